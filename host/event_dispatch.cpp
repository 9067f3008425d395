#include "host/event_dispatch.h"

#include <optional>

#include "host/button_state.h"
#include "host/host_events.h"
#include "host/key_value_list.h"

namespace host {

namespace {

const KeyValuePair* AsList(void* option) { return static_cast<const KeyValuePair*>(option); }

// The pointer and key events that only a command plug-in takes.
bool IsCommandEvent(int eventType) {
    return (eventType >= host_event::kPointerEvent120 &&
            eventType <= host_event::kPointerEvent130) ||
           eventType == host_event::kKeyEvent140 || eventType == host_event::kKeyEvent141;
}

void FillButtons(MouseState& state, int buttons) {
    DecodeButtonState(buttons, state.leftButton, state.middleButton, state.rightButton, state.shift,
                      state.ctrl, state.flag5);
}

int DispatchCommandEvent(MQStationPlugin& station, MQDocument doc, int eventType,
                         const KeyValuePair* list) {
    auto* command = dynamic_cast<MQCommandPlugin*>(&station);
    if (command == nullptr) return 0;
    MouseState state{};
    auto* scene = static_cast<MQScene>(FindValue(list, "scene"));
    if (eventType == host_event::kKeyEvent140 || eventType == host_event::kKeyEvent141) {
        int key = FindIntValue(list, "key", 0);
        FillButtons(state, FindIntValue(list, "button_state", 0));
        return eventType == host_event::kKeyEvent140
                   ? command->OnKeyEvent140(doc, scene, key, state)
                   : command->OnKeyEvent141(doc, scene, key, state);
    }
    using PointerOperation = int (MQCommandPlugin::*)(MQDocument, MQScene, MouseState&);
    static const PointerOperation kPointerOperations[] = {
        &MQCommandPlugin::OnPointerEvent120, &MQCommandPlugin::OnPointerEvent121,
        &MQCommandPlugin::OnPointerEvent122, &MQCommandPlugin::OnPointerEvent123,
        &MQCommandPlugin::OnPointerEvent124, &MQCommandPlugin::OnPointerEvent125,
        &MQCommandPlugin::OnPointerEvent126, &MQCommandPlugin::OnPointerEvent127,
        &MQCommandPlugin::OnPointerEvent128, &MQCommandPlugin::OnPointerEvent129,
        &MQCommandPlugin::OnPointerEvent130};
    int buttons = FindIntValue(list, "button_state", 0);
    state.x = FindIntValue(list, "mouse_pos_x", 0);
    state.y = FindIntValue(list, "mouse_pos_y", 0);
    state.wheel = FindIntValue(list, "mouse_wheel", 0);
    FillButtons(state, buttons);
    state.pressure = FindFloatValue(list, "pressure", 0.0f);
    return (command->*kPointerOperations[eventType - host_event::kPointerEvent120])(doc, scene,
                                                                                    state);
}

// Answer for a station event; none when the event is not a station event.
std::optional<int> DispatchStationEvent(MQStationPlugin& station, MQDocument doc, int eventType,
                                        void* option) {
    const KeyValuePair* list = AsList(option);
    switch (eventType) {
    case host_event::kStart: return station.OnStart();
    case host_event::kExit: station.OnExit(); return 1;
    case host_event::kActivate:
    case host_event::kStationNotice: {
        // The option is the flag itself; a host that passes none gets 0.
        if (option == nullptr) return 0;
        int flag = *static_cast<const int*>(option);
        if (eventType == host_event::kActivate) return station.OnActivate(doc, flag);
        station.OnStationNotice(doc, flag);
        return 1;
    }
    case host_event::kIsActivated: return station.IsActivated(doc);
    case host_event::kReceiveMessage: {
        auto product = static_cast<unsigned int>(FindIntValue(list, "src_product", 0));
        auto id = static_cast<unsigned int>(FindIntValue(list, "src_id", 0));
        void* description = FindValue(list, "description");
        void* message = FindValue(list, "message");
        auto* result = static_cast<int*>(FindValue(list, "result"));
        int answer = station.OnReceiveMessage(doc, product, id, description, message);
        if (result != nullptr) *result = answer;
        return 1;
    }
    case host_event::kDraw: {
        int height = FindIntValue(list, "height", 1);
        int width = FindIntValue(list, "width", 1);
        auto* scene = static_cast<MQScene>(FindValue(list, "scene"));
        station.OnDraw(doc, scene, width, height);
        return 1;
    }
    case host_event::kLoadDocument:
    case host_event::kSaveDocument: {
        DocumentDataOption data{};
        data.elem = static_cast<MQXmlElement>(FindValue(list, "xml_elem"));
        auto* filename = static_cast<const char*>(FindValue(list, "filename"));
        if (eventType == host_event::kLoadDocument) {
            station.OnLoadDocument(doc, filename, data);
            return 1;
        }
        auto* saveUid = static_cast<int*>(FindValue(list, "save_uid"));
        station.OnSaveDocument(doc, filename, data);
        if (data.saveUniqueId != 0 && saveUid != nullptr) *saveUid = 1;
        return 1;
    }
    case host_event::kDocumentEvent201: station.OnDocumentEvent201(doc); return 1;
    case host_event::kDocumentEvent210:
        return station.OnDocumentEvent210(doc, FindIntValue(list, "state", 0));
    case host_event::kDocumentEvent211:
        return station.OnDocumentEvent211(doc, FindIntValue(list, "state", 0));
    case host_event::kDocumentEvent212: {
        int size = FindIntValue(list, "size", 0);
        int state = FindIntValue(list, "state", 0);
        station.OnDocumentEvent212(doc, state, size);
        return 1;
    }
    case host_event::kDocumentEvent220: station.OnDocumentEvent220(doc); return 1;
    case host_event::kDocumentEvent221: station.OnDocumentEvent221(doc); return 1;
    case host_event::kDocumentEvent222: station.OnDocumentEvent222(doc); return 1;
    case host_event::kDocumentEvent230: station.OnDocumentEvent230(doc); return 1;
    case host_event::kDocumentEvent231: station.OnDocumentEvent231(doc); return 1;
    case host_event::kSceneEvent240:
        station.OnSceneEvent240(doc, static_cast<MQScene>(FindValue(list, "scene")));
        return 1;
    default:
        if (IsCommandEvent(eventType)) return DispatchCommandEvent(station, doc, eventType, list);
        return std::nullopt;
    }
}

int DispatchImportEvent(MQImportPlugin& importer, int eventType, void* option) {
    const KeyValuePair* list = AsList(option);
    if (eventType == host_event::kBackgroundImport) return importer.OnBackgroundImport();
    if (eventType == host_event::kImportArguments) {
        importer.background = FindIntValue(list, "background", 0);
        importer.args = FindValue(list, "args");
        return 1;
    }
    return 0;
}

}  // namespace

int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int eventType, void* option) {
    if (auto* station = dynamic_cast<MQStationPlugin*>(&plugin)) {
        std::optional<int> answer = DispatchStationEvent(*station, doc, eventType, option);
        if (answer) return *answer;
    }
    if (auto* importer = dynamic_cast<MQImportPlugin*>(&plugin))
        return DispatchImportEvent(*importer, eventType, option);
    return 0;
}

}  // namespace host
