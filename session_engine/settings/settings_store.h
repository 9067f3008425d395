// The host's settings file: read into the simulated host when the host
// starts, and written back when the plug-in has exited, as the modeler keeps
// its settings between runs.
#pragma once

#include <string>

namespace host_tool {

// Reads the file into the host's settings document. False when there is no
// file yet (a first run). Throws SessionError when it cannot be read.
bool ReadHostSettings(const std::string& path);
// Writes the host's settings document to the file, replacing it whole: a
// reader sees the old file or the new one, never a part. Throws SessionError.
void WriteHostSettings(const std::string& path);

}  // namespace host_tool
