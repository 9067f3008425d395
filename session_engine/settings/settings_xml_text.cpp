#include "session_engine/settings/settings_xml_text.h"

#include <algorithm>
#include <cstdlib>

namespace host_tool {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

void Write(const sim::XmlElement& element, int depth, std::string& out) {
    out.append(2 * depth, ' ');
    out += '<';
    out += element.name;
    if (element.text.empty() && element.children.empty()) {
        out += " />\n";
        return;
    }
    out += '>';
    out += Escaped(element.text);
    if (!element.children.empty()) {
        out += '\n';
        for (const sim::XmlElement& child : element.children) Write(child, depth + 1, out);
        out.append(2 * depth, ' ');
    }
    out += "</";
    out += element.name;
    out += ">\n";
}

void AppendUtf8(unsigned long code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    std::optional<sim::XmlElement> Document() {
        if (At("\xEF\xBB\xBF")) pos_ += 3;  // a byte order mark
        SkipMisc();
        sim::XmlElement root;
        if (!Element(root)) return std::nullopt;
        SkipMisc();
        if (pos_ != text_.size()) {
            Fail("more after the root element");
            return std::nullopt;
        }
        return root;
    }

    // "line 5, column 1: the element <PosX> is not closed".
    std::string Problem() const {
        const std::size_t offset = std::min(failedAt_, text_.size());
        std::size_t line = 1, lineStart = 0;
        for (std::size_t i = 0; i < offset; ++i) {
            if (text_[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        }
        return "line " + std::to_string(line) + ", column " +
               std::to_string(offset - lineStart + 1) + ": " + why_;
    }

private:
    // Records the first failure, where the reading stands or at `at`.
    bool Fail(const std::string& why, std::size_t at = std::string::npos) {
        if (why_.empty()) {
            why_ = why;
            failedAt_ = at == std::string::npos ? pos_ : at;
        }
        return false;
    }

    bool At(const char* token) const {
        return text_.compare(pos_, std::char_traits<char>::length(token), token) == 0;
    }

    bool SkipPast(const char* end) {
        std::size_t found = text_.find(end, pos_);
        if (found == std::string::npos) return false;
        pos_ = found + std::char_traits<char>::length(end);
        return true;
    }

    static bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void SkipBlanks() {
        while (pos_ < text_.size() && Blank(text_[pos_])) ++pos_;
    }

    // Blanks, the declaration, comments and processing instructions.
    void SkipMisc() {
        for (;;) {
            SkipBlanks();
            if (At("<?")) {
                if (!SkipPast("?>")) return;
            } else if (At("<!--")) {
                if (!SkipPast("-->")) return;
            } else {
                return;
            }
        }
    }

    bool Name(std::string& name) {
        std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '>' && text_[pos_] != '/' &&
               text_[pos_] != '<' && !Blank(text_[pos_]))
            ++pos_;
        name = text_.substr(start, pos_ - start);
        return !name.empty();
    }

    bool Entity(std::string& out) {
        const std::size_t start = pos_;
        std::size_t end = text_.find(';', pos_);
        if (end == std::string::npos) return Fail("an \"&\" that starts no entity");
        std::string entity = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        if (entity == "amp")
            out += '&';
        else if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity == "quot")
            out += '"';
        else if (entity == "apos")
            out += '\'';
        else if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            char* stop = nullptr;
            const char* digits = entity.c_str() + (hex ? 2 : 1);
            unsigned long code = std::strtoul(digits, &stop, hex ? 16 : 10);
            if (*digits == '\0' || *stop != '\0' || code == 0 || code > 0x10FFFF)
                return Fail("a character reference to no character", start);
            AppendUtf8(code, out);
        } else {
            return Fail("the unknown entity &" + entity + ";", start);
        }
        return true;
    }

    // One element starting at "<", with everything inside it.
    bool Element(sim::XmlElement& element) {
        const std::size_t start = pos_;
        if (!At("<")) return Fail(pos_ < text_.size() ? "an element was expected" : "no element");
        ++pos_;
        if (!Name(element.name)) return Fail("an element without a name");
        SkipBlanks();
        if (At("/>")) {
            pos_ += 2;
            return true;
        }
        // Attributes are not part of the settings document.
        if (!At(">")) return Fail("\">\" was expected after <" + element.name);
        ++pos_;
        std::string text;
        bool blanksOnly = true;
        for (;;) {
            if (pos_ >= text_.size())
                return Fail("the element <" + element.name + "> is not closed", start);
            if (At("</")) {
                const std::size_t closing = pos_;
                pos_ += 2;
                std::string name;
                if (!Name(name) || name != element.name)
                    return Fail("</" + name + "> closes <" + element.name + ">", closing);
                SkipBlanks();
                if (!At(">")) return Fail("\">\" was expected after </" + name);
                ++pos_;
                // Blanks between child elements are layout, not text.
                element.text = element.children.empty() || !blanksOnly ? text : std::string();
                return true;
            }
            if (At("<!--")) {
                if (!SkipPast("-->")) return Fail("a comment is not closed");
            } else if (At("<?")) {
                if (!SkipPast("?>")) return Fail("a processing instruction is not closed");
            } else if (At("<")) {
                element.children.emplace_back();
                if (!Element(element.children.back())) return false;
            } else if (text_[pos_] == '&') {
                if (!Entity(text)) return false;
                blanksOnly = false;
            } else {
                char c = text_[pos_++];
                if (!Blank(c)) blanksOnly = false;
                text += c;
            }
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    std::string why_;
    std::size_t failedAt_ = 0;
};

}  // namespace

std::string WriteXmlText(const sim::XmlElement& root) {
    std::string out = "<?xml version=\"1.0\"?>\n";
    Write(root, 0, out);
    return out;
}

std::optional<sim::XmlElement> ReadXmlText(const std::string& text, std::string* problem) {
    Reader reader(text);
    std::optional<sim::XmlElement> root = reader.Document();
    if (!root && problem != nullptr) *problem = reader.Problem();
    return root;
}

}  // namespace host_tool
