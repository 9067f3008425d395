// Why the system loader refused the module that LoadModule just failed to
// load, for the hosts' messages. Not part of the plug-in.
#pragma once

#include <string>

namespace platform {

// The loader's own reason why LoadModule(path) just failed on this thread
// ("cannot open shared object file: No such file or directory", "The
// specified module could not be found."), without the path; empty when it
// gives none. Call it right after the failure.
std::string LastLoadError(const std::string& path);

}  // namespace platform
