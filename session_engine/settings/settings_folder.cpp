#include "session_engine/settings/settings_folder.h"

#include <cstdlib>

namespace host_tool {

std::string DefaultSettingsFolder() {
    if (const char* appData = std::getenv("APPDATA"); appData != nullptr && *appData != '\0')
        return std::string(appData) + "/Tackpin";
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
        return std::string(config) + "/tackpin";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::string(home) + "/.config/tackpin";
    return ".";
}

}  // namespace host_tool
