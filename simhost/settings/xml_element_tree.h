// The simulated host's XML element model: elements with a name, a text and
// ordered children. Children live in a list, so an element keeps its
// address while its siblings come and go.
#pragma once

#include <list>
#include <string>
#include <string_view>

namespace sim {

struct XmlElement {
    std::string name;  // UTF-8
    std::string text;  // UTF-8
    std::list<XmlElement> children;
};

// First child named exactly `name`, or null.
XmlElement* FindChild(XmlElement& parent, std::string_view name);
const XmlElement* FindChild(const XmlElement& parent, std::string_view name);
// Appends a child and returns it.
XmlElement& AppendChild(XmlElement& parent, std::string name, std::string text = {});
// True when `child` is one of `parent`'s own children.
bool IsChildOf(const XmlElement& parent, const XmlElement* child);
// Removes `child` from `parent`'s children; false when it is not among them.
bool RemoveChild(XmlElement& parent, const XmlElement* child);
// The element and everything below it as indented XML-ish text.
std::string DumpElement(const XmlElement& element, int depth = 0);

}  // namespace sim
