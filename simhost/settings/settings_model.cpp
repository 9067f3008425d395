#include "simhost/settings/settings_model.h"

#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"
#include "simhost/settings/settings_file.h"

namespace sim {

namespace {
constexpr char kRootName[] = "settings";
constexpr char kPluginSettingsName[] = "pluginsettings";
// The two out handles of message 505, by their keys.
constexpr std::string_view kRootKey = station_keys::kSettingsElement[0];
constexpr std::string_view kPluginSettingsKey = station_keys::kSettingsElement[1];
}  // namespace

SettingsModel& Settings() {
    static SettingsModel model;
    return model;
}

SettingsModel::SettingsModel() { Reset(); }

void SettingsModel::Reset() {
    handles_.RetireAll();
    root_ = XmlElement{kRootName, {}, {}};
    AppendChild(root_, kPluginSettingsName);
    faults_ = SettingsFaults{};
    calls_.clear();
}

std::string SettingsModel::Dump() const {
    std::string dump = "settings:\n" + DumpElement(root_, 1);
    if (faults_.noPluginSettings) dump += "  fault: no \"pluginsettings\" for message 505\n";
    if (faults_.refuseNewElements) dump += "  fault: AddChildElement makes no element\n";
    if (faults_.nullElementText) dump += "  fault: GetElementText answers null\n";
    if (faults_.emptyTextAsEmptyString)
        dump += "  fault: GetElementText answers \"\" for an element without text\n";
    return dump;
}

void SettingsModel::HandleMessage(MessageHeader& record) {
    const std::string where = "message 505";
    for (auto* pair = static_cast<KeyValuePair*>(record.option); pair->key != nullptr; ++pair) {
        const std::string key = pair->key;
        if (key != kRootKey && key != kPluginSettingsKey) {
            ReportViolation(where + ": unknown key \"" + key + "\"");
            continue;
        }
        if (pair->value != nullptr)
            ReportViolation(where + ": out handle \"" + key + "\" does not start null");
        if (key == kRootKey)
            pair->value = RootHandle();
        else if (!faults_.noPluginSettings)
            pair->value = PluginSettingsHandle();
    }
}

XmlElement& SettingsModel::PluginSettings() {
    XmlElement* found = FindChild(root_, kPluginSettingsName);
    return found != nullptr ? *found : AppendChild(root_, kPluginSettingsName);
}

const XmlElement* SettingsModel::PluginSettings() const {
    return FindChild(root_, kPluginSettingsName);
}

XmlElement& SettingsModel::PluginElement(const std::string& element) {
    XmlElement& settings = PluginSettings();
    XmlElement* found = FindChild(settings, element);
    return found != nullptr ? *found : AppendChild(settings, element);
}

std::optional<std::string> SettingsModel::PluginElementText(const std::string& element,
                                                            const std::string& key) const {
    const XmlElement* settings = PluginSettings();
    const XmlElement* own = settings != nullptr ? FindChild(*settings, element) : nullptr;
    const XmlElement* child = own != nullptr ? FindChild(*own, key) : nullptr;
    if (child == nullptr) return std::nullopt;
    return child->text;
}

std::vector<std::string> SettingsModel::ChildKeys(const std::string& element) const {
    std::vector<std::string> keys;
    const XmlElement* settings = PluginSettings();
    const XmlElement* own = settings != nullptr ? FindChild(*settings, element) : nullptr;
    if (own != nullptr)
        for (const XmlElement& child : own->children) keys.push_back(child.name);
    return keys;
}

std::vector<std::string> SettingsModel::PluginElementNames() const {
    std::vector<std::string> names;
    if (const XmlElement* settings = PluginSettings(); settings != nullptr)
        for (const XmlElement& child : settings->children) names.push_back(child.name);
    return names;
}

void SettingsModel::SetChildText(const std::string& element, const std::string& key,
                                 const std::string& text) {
    XmlElement& own = PluginElement(element);
    XmlElement* child = FindChild(own, key);
    if (child == nullptr) child = &AppendChild(own, key);
    child->text = text;
}

void SettingsModel::AddChild(const std::string& element, const std::string& key,
                             const std::string& text) {
    AppendChild(PluginElement(element), key, text);
}

MQXmlElement SettingsModel::RootHandle() { return handles_.HandleOf(root_); }

MQXmlElement SettingsModel::PluginSettingsHandle() { return handles_.HandleOf(PluginSettings()); }

bool SettingsModel::SaveToFile(const std::string& path) const {
    return WriteSettingsFile(path, root_);
}

bool SettingsModel::LoadFromFile(const std::string& path, std::string* problem) {
    std::optional<XmlElement> document = ReadSettingsFile(path, problem);
    if (!document) return false;
    handles_.RetireAll();
    root_ = std::move(*document);
    PluginSettings();  // a document without the element still offers one
    return true;
}

}  // namespace sim
