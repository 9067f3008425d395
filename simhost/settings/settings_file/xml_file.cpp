// The settings document as an XML file, read and written with pugixml.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include <pugixml.hpp>

#include "simhost/settings/settings_file.h"

namespace sim {

namespace {

void Write(const XmlElement& element, pugi::xml_node node) {
    if (!element.text.empty()) node.append_child(pugi::node_pcdata).set_value(element.text.c_str());
    for (const XmlElement& child : element.children)
        Write(child, node.append_child(child.name.c_str()));
}

XmlElement Read(pugi::xml_node node) {
    XmlElement element{node.name(), node.child_value(), {}};
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) element.children.push_back(Read(child));
    return element;
}

// "line 5, column 3" of a byte offset into the text.
std::string PlaceOf(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::size_t line = 1 + std::count(text.begin(), text.begin() + offset, '\n');
    const std::size_t newline = offset == 0 ? std::string::npos : text.rfind('\n', offset - 1);
    const std::size_t lineStart = newline == std::string::npos ? 0 : newline + 1;
    const std::size_t column = offset - lineStart + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string Lowered(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

bool WriteSettingsFile(const std::string& path, const XmlElement& root) {
    pugi::xml_document document;
    Write(root, document.append_child(root.name.c_str()));
    return document.save_file(path.c_str(), "  ", pugi::format_default, pugi::encoding_utf8);
}

std::optional<XmlElement> ReadSettingsFile(const std::string& path, std::string* problem) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    pugi::xml_document document;
    // A value of blanks alone is a value too.
    unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8);
    pugi::xml_node root = document.document_element();
    if (result && root) return Read(root);
    if (problem != nullptr) {
        const std::size_t offset = result ? text.size() : static_cast<std::size_t>(result.offset);
        *problem = PlaceOf(text, offset) + ": " +
                   (result ? std::string("no root element") : Lowered(result.description()));
    }
    return std::nullopt;
}

}  // namespace sim
