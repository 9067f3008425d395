#include "simhost/xml_element_tree.h"

namespace sim {

XmlElement* FindChild(XmlElement& parent, std::string_view name) {
    for (XmlElement& child : parent.children)
        if (child.name == name) return &child;
    return nullptr;
}

const XmlElement* FindChild(const XmlElement& parent, std::string_view name) {
    for (const XmlElement& child : parent.children)
        if (child.name == name) return &child;
    return nullptr;
}

XmlElement& AppendChild(XmlElement& parent, std::string name, std::string text) {
    parent.children.push_back(XmlElement{std::move(name), std::move(text), {}});
    return parent.children.back();
}

bool IsChildOf(const XmlElement& parent, const XmlElement* child) {
    for (const XmlElement& own : parent.children)
        if (&own == child) return true;
    return false;
}

bool RemoveChild(XmlElement& parent, const XmlElement* child) {
    for (auto it = parent.children.begin(); it != parent.children.end(); ++it) {
        if (&*it == child) {
            parent.children.erase(it);
            return true;
        }
    }
    return false;
}

std::string DumpElement(const XmlElement& element, int depth) {
    std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    std::string open = indent + "<" + element.name + ">";
    std::string close = "</" + element.name + ">\n";
    if (element.children.empty()) return open + element.text + close;
    std::string dump = open + element.text + "\n";
    for (const XmlElement& child : element.children) dump += DumpElement(child, depth + 1);
    return dump + indent + close;
}

bool IsUtf8(std::string_view text) {
    static const char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2
                  : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) return false;
        char32_t cp = lead & (0x7F >> extra);
        for (int k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

}  // namespace sim
