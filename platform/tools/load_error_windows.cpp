// Windows: the system's text for GetLastError after LoadLibraryA.
#include "platform/tools/load_error.h"

#include <windows.h>

namespace platform {

std::string LastLoadError(const std::string&) {
    const DWORD code = GetLastError();
    if (code == 0) return {};
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
        --length;
    std::string reason(text, length);
    if (reason.empty()) reason = "error " + std::to_string(code);
    return reason;
}

}  // namespace platform
