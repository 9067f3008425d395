// The host messages behind the station services: their numbers for
// MQ_SendMessage, the scene options that message 410 answers, and the name
// of the plug-in's element that message 505 finds in the host's settings
// document. The services themselves are MQStationPlugin's (station_plugin.h);
// SettingElementName is defined beside OpenSetting, which uses it, in
// station_plugin_services.cpp.
#pragma once

#include <string>

// Message numbers of MQ_SendMessage.
namespace host_message {
constexpr int kDeactivateNotice = 100;  // option: the new state itself, 0
constexpr int kCreateDrawObject = 200;
constexpr int kDeleteDrawObject = 210;
constexpr int kSceneOption = 410;
constexpr int kSettingsElement = 505;
}  // namespace host_message

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
