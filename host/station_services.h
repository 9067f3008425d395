// Records and helpers of the station services that MQStationPlugin builds on
// host messages: scene options, and the name of the plug-in's element in the
// host's settings document.
#pragma once

#include <string>

// A view's display options as message 410 answers them; nonzero means on.
struct SceneOptions {
    int showVertex = 0;
    int showLine = 0;
    int showFace = 0;
    int frontOnly = 0;
    int showBkimg = 0;
};

namespace host {

// "Plugin-%08X-%08X": both ids as eight upper-case hexadecimal digits.
std::string SettingElementName(unsigned int product, unsigned int id);

}  // namespace host
