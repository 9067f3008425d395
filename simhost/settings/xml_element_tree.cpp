#include "simhost/settings/xml_element_tree.h"

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

}  // namespace sim
