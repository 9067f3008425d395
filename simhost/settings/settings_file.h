// Where the host keeps its settings document between runs. On Linux it is an
// XML file; on Windows, where no XML library is at hand, the "file" is a
// copy in memory under its path, which carries a document from one run of
// the host to the next within the process.
#pragma once

#include <optional>
#include <string>

#include "simhost/settings/xml_element_tree.h"

namespace sim {

// Stores the document under `path`; false when it could not be written.
bool WriteSettingsFile(const std::string& path, const XmlElement& root);
// The document stored under `path`, or none. When there is a file that is
// not a settings document, `problem` (if given) says where and why
// ("line 5, column 1: start-end tags mismatch").
std::optional<XmlElement> ReadSettingsFile(const std::string& path, std::string* problem = nullptr);

}  // namespace sim
