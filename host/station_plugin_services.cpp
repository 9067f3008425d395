// The station services of MQStationPlugin: messages to the host through
// MQ_SendMessage, and the name of the plug-in's settings element. Every
// header is filled afresh with the plug-in's own ids; answers come back
// only through the message list.
#include <cstdio>

#include "host/host_api.h"
#include "host/station_plugin.h"
#include "host/xml_element.h"

namespace host {

std::string SettingElementName(unsigned int product, unsigned int id) {
    char name[64];
    std::snprintf(name, sizeof name, "Plugin-%08X-%08X", product, id);
    return name;
}

}  // namespace host

namespace {

MessageHeader HeaderFrom(MQStationPlugin& plugin, void* option) {
    MessageHeader header{};
    plugin.GetPlugInID(&header.product, &header.id);
    header.reserved = 0;
    header.option = option;
    return header;
}

void Send(MQStationPlugin& plugin, int message, void* option) {
    MessageHeader header = HeaderFrom(plugin, option);
    host::SendStationMessage(message, &header);
}

}  // namespace

std::unique_ptr<MQSetting> MQStationPlugin::OpenSetting() {
    KeyValuePair list[] = {{"root", nullptr}, {"pluginsettings", nullptr}, {nullptr, nullptr}};
    Send(*this, host_message::kSettingsElement, list);
    auto pluginSettings = static_cast<MQXmlElement>(list[1].value);
    if (pluginSettings == nullptr) return nullptr;

    unsigned int product = 0, id = 0;
    GetPlugInID(&product, &id);
    std::string name = host::SettingElementName(product, id);
    MQXmlElement own = host::FindChildElement(pluginSettings, name.c_str());
    if (own == nullptr) own = host::AddChildElement(pluginSettings, name.c_str());
    return std::make_unique<MQSetting>(pluginSettings, own, std::move(name));
}

MQObject MQStationPlugin::CreateDrawObject(MQDocument doc, int visibility) {
    int instant = 0;
    KeyValuePair list[] = {{"document", doc},
                           {"visibility", &visibility},
                           {"instant", &instant},
                           {"result", nullptr},
                           {nullptr, nullptr}};
    Send(*this, host_message::kCreateDrawObject, list);
    return static_cast<MQObject>(list[3].value);
}

void MQStationPlugin::DeleteDrawObject(MQDocument doc, MQObject drawObject) {
    KeyValuePair list[] = {{"document", doc}, {"object", drawObject}, {nullptr, nullptr}};
    Send(*this, host_message::kDeleteDrawObject, list);
}

void MQStationPlugin::GetSceneOption(MQScene scene, SceneOptions& options) {
    options = SceneOptions{};
    KeyValuePair list[] = {{"scene", scene},
                           {"show_vertex", &options.showVertex},
                           {"show_line", &options.showLine},
                           {"show_face", &options.showFace},
                           {"front_only", &options.frontOnly},
                           {"show_bkimg", &options.showBkimg},
                           {nullptr, nullptr}};
    Send(*this, host_message::kSceneOption, list);
}

void MQStationPlugin::SendDeactivateNotice() {
    int state = 0;  // the new activation state: off
    Send(*this, host_message::kDeactivateNotice, &state);
}
