// One plug-in's values in the host's settings document. Each value is a
// child element of the plug-in's own element, named after its key, whose
// text is the value written out. Nothing is cached: every Load and Save goes
// to the host.
#pragma once

#include <optional>
#include <string>

#include "host/host_abi.h"

class MQSetting {
public:
    // Made by MQStationPlugin::OpenSetting. `pluginSettings` is the element
    // under which all plug-ins keep theirs; `own` is the plug-in's element,
    // null when the host made none; `name` is the own element's name.
    MQSetting(MQXmlElement pluginSettings, MQXmlElement own, std::string name);
    // Releases the name; the host's document is not touched.
    virtual ~MQSetting() = default;
    MQSetting(const MQSetting&) = delete;
    MQSetting& operator=(const MQSetting&) = delete;

    // Keys are narrow text in the system's ANSI code page. A missing element
    // or empty text gives `preset`; text that is no number gives 0 (false).
    // [ui-thread, after MQInit]
    void Load(const char* key, bool& value, bool preset);
    void Load(const char* key, int& value, int preset);
    void Load(const char* key, float& value, float preset);

    // Replaces the first child named `key` by a new one at the end of the own
    // element: after saving, a key stands behind its siblings.
    // [ui-thread, after MQInit]
    void Save(const char* key, bool value);
    void Save(const char* key, int value);
    void Save(const char* key, float value);

    // A value written out for saving, key and text in UTF-8. Preparing may
    // fail (memory); saving what is prepared makes host calls only, so a
    // plug-in that prepares all its values first saves all or none of them.
    struct Prepared {
        std::string key;
        std::string text;
    };
    static Prepared Prepare(const char* key, bool value);
    static Prepared Prepare(const char* key, int value);
    static Prepared Prepare(const char* key, float value);
    // Saves each value as Save does. Allocates nothing. [ui-thread, after MQInit]
    void Save(const Prepared& value) noexcept;

    MQXmlElement PluginSettingsElement() const { return pluginSettings_; }
    MQXmlElement OwnElement() const { return own_; }
    const std::string& Name() const { return name_; }

private:
    // Text of the first child named `key` as UTF-16; none when the child is
    // missing or its text is empty.
    std::optional<std::u16string> ReadText(const char* key);

    MQXmlElement pluginSettings_;
    MQXmlElement own_;
    std::string name_;
};
