// The settings document as an XML file, read and written with pugixml.
#include <pugixml.hpp>

#include "simhost/settings_file.h"

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

}  // namespace

bool WriteSettingsFile(const std::string& path, const XmlElement& root) {
    pugi::xml_document document;
    Write(root, document.append_child(root.name.c_str()));
    return document.save_file(path.c_str(), "  ", pugi::format_default, pugi::encoding_utf8);
}

std::optional<XmlElement> ReadSettingsFile(const std::string& path) {
    pugi::xml_document document;
    // A value of blanks alone is a value too.
    unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    if (!document.load_file(path.c_str(), options, pugi::encoding_utf8)) return std::nullopt;
    pugi::xml_node root = document.document_element();
    if (!root) return std::nullopt;
    return Read(root);
}

}  // namespace sim
