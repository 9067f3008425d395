// The host's settings document as XML text, for the build that has no XML
// library (Windows): the same form the Linux build's file has, so either
// build reads the other's file. Elements with text and children; no
// attributes, which the settings document does not use.
#pragma once

#include <optional>
#include <string>

#include "simhost/settings/xml_element_tree.h"

namespace host_tool {

// The document with an XML declaration, children indented by two blanks.
std::string WriteXmlText(const sim::XmlElement& root);
// The document's root element; nothing when the text is not well-formed
// XML of that kind (attributes, a second root, a tag left open, an unknown
// entity), with where and why in `problem` when given ("line 5, column 1:
// the element <PosX> is not closed"). Comments and processing instructions
// are skipped.
std::optional<sim::XmlElement> ReadXmlText(const std::string& text, std::string* problem = nullptr);

}  // namespace host_tool
