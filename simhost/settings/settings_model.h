// The host's settings document (XML): a root element with the
// "pluginsettings" element under which every plug-in keeps its own element.
// The plug-in reaches it through message 505 and MQXmlElem_Value; tests read
// and prepare it through the API below, and carry it from one run of the
// host to the next through a settings file. The model is in
// settings_model.cpp, its element actions (MQXmlElem_Value) in
// settings_model_actions.cpp.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/host_abi.h"
#include "simhost/settings/xml_element_tree.h"
#include "simhost/settings/xml_handle_registry.h"

namespace sim {

// Faults the host shows on demand; all off after a reset.
struct SettingsFaults {
    bool noPluginSettings = false;   // message 505 leaves "pluginsettings" null
    bool refuseNewElements = false;  // AddChildElement yields no element
    bool nullElementText = false;    // GetElementText answers null
    // GetElementText answers "" for an element without text, where the
    // host otherwise answers null as XML libraries do.
    bool emptyTextAsEmptyString = false;
    bool findsUnanswered = false;  // FindChildElement finds nothing
};

// One MQXmlElem_Value call as the host understood it.
struct XmlCall {
    int action = 0;
    std::string element;   // name of the element the call was made on
    std::string argument;  // the child's name (add, find, remove) or the text (set)
};

class SettingsModel {
public:
    SettingsModel();

    // A new host's document: the root with an empty "pluginsettings"
    // element; faults off, call log empty, every earlier handle stale.
    void Reset();
    // The document as indented XML-ish text.
    std::string Dump() const;

    // Message 505: stores the "root" and "pluginsettings" handles into the
    // list's value fields.
    void HandleMessage(MessageHeader& record);
    // MQXmlElem_Value: the five element actions, every record checked first.
    void ElementValue(MQXmlElement element, int action, void* record);

    // For tests. `element` names a child of "pluginsettings" (the first
    // with that name); `key` a child of that element (the first one).
    std::optional<std::string> PluginElementText(const std::string& element,
                                                 const std::string& key) const;
    std::vector<std::string> ChildKeys(const std::string& element) const;
    // Names of the children of "pluginsettings" in order.
    std::vector<std::string> PluginElementNames() const;
    // Sets the text of the first `key` child, making the element and the
    // child when missing.
    void SetChildText(const std::string& element, const std::string& key, const std::string& text);
    // Appends a `key` child even when one exists.
    void AddChild(const std::string& element, const std::string& key, const std::string& text);
    // Handles of the root and of "pluginsettings", as message 505 answers.
    MQXmlElement RootHandle();
    MQXmlElement PluginSettingsHandle();

    // The host storing its document at exit and reading it at start-up.
    // LoadFromFile replaces the document (handles go stale); false when
    // nothing could be read, leaving the document as it was, with where and
    // why in `problem` when the file is not a settings document.
    bool SaveToFile(const std::string& path) const;
    bool LoadFromFile(const std::string& path, std::string* problem = nullptr);

    SettingsFaults& Faults() { return faults_; }
    const std::vector<XmlCall>& Calls() const { return calls_; }

private:
    XmlElement& PluginSettings();
    const XmlElement* PluginSettings() const;
    XmlElement& PluginElement(const std::string& element);

    void AddChildElement(XmlElement& parent, void** record, const std::string& where);
    void RemoveChildElement(XmlElement& parent, void** record, const std::string& where);
    void FindChildElement(XmlElement& parent, void** record, const std::string& where);
    void GetElementText(XmlElement& element, void** record, const std::string& where);
    void SetElementText(XmlElement& element, void** record, const std::string& where);

    XmlElement root_;
    XmlHandleRegistry handles_;
    SettingsFaults faults_;
    std::vector<XmlCall> calls_;
};

SettingsModel& Settings();

}  // namespace sim
