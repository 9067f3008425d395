// What the host defines for its interface, written from the host's side:
// the numbers of the events it delivers, of the messages, widget messages
// and settings actions it takes, the object value ids it offers, and the keys
// of the lists it reads and builds. The simulated host checks the plug-in
// against these and never against the plug-in's own headers, so that a wrong
// number there is reported rather than copied.
#pragma once

namespace sim {

// Host events delivered through MQOnEvent.
namespace event {
constexpr int kStart = 1;
constexpr int kExit = 2;
constexpr int kActivate = 100;
constexpr int kIsActivated = 101;
constexpr int kStationNotice = 102;
constexpr int kReceiveMessage = 103;
constexpr int kDraw = 110;
constexpr int kFirstPointerEvent = 120;  // one event per pointer action, up to 130
constexpr int kLastPointerEvent = 130;
constexpr int kKeyEvent140 = 140;
constexpr int kKeyEvent141 = 141;
constexpr int kLoadDocument = 200;
constexpr int kDocumentEvent201 = 201;
constexpr int kSaveDocument = 202;
constexpr int kDocumentEvent210 = 210;
constexpr int kDocumentEvent211 = 211;
constexpr int kDocumentEvent212 = 212;
constexpr int kDocumentEvent220 = 220;
constexpr int kDocumentEvent221 = 221;
constexpr int kDocumentEvent222 = 222;
constexpr int kDocumentEvent230 = 230;
constexpr int kDocumentEvent231 = 231;
constexpr int kSceneEvent240 = 240;
constexpr int kBackgroundImport = 300;
constexpr int kImportArguments = 301;
}  // namespace event

// Keys of the event lists the host builds.
namespace event_key {
constexpr char kScene[] = "scene";
constexpr char kWidth[] = "width";
constexpr char kHeight[] = "height";
constexpr char kXmlElement[] = "xml_elem";
constexpr char kFilename[] = "filename";
constexpr char kState[] = "state";
}  // namespace event_key

// Station messages the host takes through MQ_SendMessage.
namespace station_msg {
constexpr int kDeactivateNotice = 100;  // the option is the new state, not a list
constexpr int kCreateDrawObject = 200;
constexpr int kDeleteDrawObject = 210;
constexpr int kSceneOption = 410;
constexpr int kSettingsElement = 505;
}  // namespace station_msg

// The keys of each station message's list, in the order the host takes them.
namespace station_keys {
inline constexpr const char* kCreateDrawObject[] = {"document", "visibility", "instant", "result"};
inline constexpr const char* kDeleteDrawObject[] = {"document", "object"};
inline constexpr const char* kSceneOption[] = {"scene",     "show_vertex", "show_line",
                                               "show_face", "front_only",  "show_bkimg"};
inline constexpr const char* kSettingsElement[] = {"root", "pluginsettings"};
}  // namespace station_keys

// Message numbers of MQWidget_Value.
namespace widget_msg {
constexpr int kRun = 0x001;
constexpr int kSystemLookup = 0x100;
constexpr int kCreate = 0x101;
constexpr int kDestroy = 0x102;
constexpr int kAddChild = 0x201;
constexpr int kAddChildWindow = 0x203;
constexpr int kGetProperty = 0x301;
constexpr int kSetProperty = 0x302;
constexpr int kAddEvent = 0x304;
}  // namespace widget_msg

// Actions of MQXmlElem_Value.
namespace xml_action {
constexpr int kAddChildElement = 0x101;
constexpr int kRemoveChildElement = 0x102;
constexpr int kFindChildElement = 0x201;
constexpr int kGetElementText = 0x302;
constexpr int kSetElementText = 0x402;
}  // namespace xml_action

// Value ids of MQObj_GetIntValue, MQObj_SetIntValue and MQObj_SetFloatArray.
namespace object_value {
constexpr int kUniqueId = 260;  // read only
constexpr int kColor = 513;     // set only: three floats, then the flag
constexpr int kColorValid = 1;  // the one flag that marks the colour as set
}  // namespace object_value

}  // namespace sim
