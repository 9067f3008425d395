// Where the host keeps its settings file and the prompt's history when the
// command line names no other place: per user, as a real host does.
#pragma once

#include <string>

namespace host_tool {

// Under %APPDATA% where there is one (Windows), else under the XDG
// configuration folder, else "." ; the folder may not exist yet.
std::string DefaultSettingsFolder();

}  // namespace host_tool
