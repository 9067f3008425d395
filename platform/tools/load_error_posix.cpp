// Linux: dlerror's text, without the path that it repeats in front.
#include "platform/tools/load_error.h"

#include <dlfcn.h>

namespace platform {

std::string LastLoadError(const std::string& path) {
    const char* text = dlerror();
    if (text == nullptr) return {};
    std::string reason = text;
    if (reason.compare(0, path.size() + 2, path + ": ") == 0) reason.erase(0, path.size() + 2);
    return reason;
}

}  // namespace platform
