#include "simhost/widgets/widget_events.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "simhost/deliveries.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"

namespace sim {

EventList& EventList::Int(std::string key, int value) {
    Entry& entry = entries_.emplace_back();
    entry.key = std::move(key);
    entry.kind = Kind::Int;
    entry.integer = value;
    return *this;
}

EventList& EventList::Float(std::string key, float value) {
    Entry& entry = entries_.emplace_back();
    entry.key = std::move(key);
    entry.kind = Kind::Float;
    entry.real = value;
    return *this;
}

EventList& EventList::Text(std::string key, std::string value) {
    Entry& entry = entries_.emplace_back();
    entry.key = std::move(key);
    entry.kind = Kind::Text;
    entry.text = std::move(value);
    return *this;
}

EventList& EventList::Pointer(std::string key, void* value) {
    Entry& entry = entries_.emplace_back();
    entry.key = std::move(key);
    entry.kind = Kind::Pointer;
    entry.pointer = value;
    return *this;
}

KeyValuePair* EventList::Pairs() {
    pairs_.clear();
    for (Entry& entry : entries_) {
        void* value = nullptr;
        switch (entry.kind) {
        case Kind::Int: value = &entry.integer; break;
        case Kind::Float: value = &entry.real; break;
        case Kind::Text: value = entry.text.data(); break;
        case Kind::Pointer: value = entry.pointer; break;
        }
        pairs_.push_back(KeyValuePair{entry.key.c_str(), value});
    }
    pairs_.push_back(KeyValuePair{nullptr, nullptr});
    return pairs_.data();
}

namespace {
EventList Addressed(int targetId, int senderId, const std::string& type) {
    EventList list;
    list.Int("target_id", targetId).Int("sender_id", senderId).Text("type", type);
    return list;
}
}  // namespace

EventList MouseEventList(int targetId, int senderId, const std::string& type,
                         const PointerInfo& pointer) {
    EventList list = Addressed(targetId, senderId, type);
    list.Int("client_x", pointer.clientX)
        .Int("client_y", pointer.clientY)
        .Int("screen_x", pointer.screenX)
        .Int("screen_y", pointer.screenY)
        .Int("down_x", pointer.downX)
        .Int("down_y", pointer.downY)
        .Int("last_x", pointer.lastX)
        .Int("last_y", pointer.lastY)
        .Int("wheel_delta", pointer.wheelDelta)
        .Int("button_state", pointer.buttonState)
        .Float("pressure", pointer.pressure);
    return list;
}

EventList KeyEventList(int targetId, int senderId, const std::string& type, int key,
                       bool autoRepeat, int buttonState) {
    EventList list = Addressed(targetId, senderId, type);
    list.Int("key", key).Int("auto_repeat", autoRepeat ? 1 : 0).Int("button_state", buttonState);
    return list;
}

EventList PaintEventList(int targetId, int senderId, void* canvas) {
    EventList list = Addressed(targetId, senderId, "paint");
    list.Pointer("canvas", canvas);
    return list;
}

EventList PlainEventList(int targetId, int senderId, const std::string& type) {
    return Addressed(targetId, senderId, type);
}

EventOutcome SendWidgetEvent(int widgetId, const std::string& type, KeyValuePair* list) {
    EventOutcome outcome;
    WidgetModel& model = Widgets();
    if (!model.IsAlive(widgetId)) return outcome;
    outcome.delivered = true;
    // Counted while it is handled: an exit nested in it is checked after it.
    struct Delivering {
        WidgetModel& model;
        explicit Delivering(WidgetModel& widgets) : model(widgets) { model.BeginEvent(); }
        ~Delivering() { model.EndEvent(); }
        Delivering(const Delivering&) = delete;
        Delivering& operator=(const Delivering&) = delete;
    } delivering(model);
    const DeliveryScope delivery(widgetId);
    // A copy: handlers may register, destroy and run dialogs meanwhile.
    std::vector<WidgetHandler> handlers = model.HandlersOf(widgetId);
    std::stable_partition(handlers.begin(), handlers.end(),
                          [](const WidgetHandler& handler) { return handler.prior; });
    for (const WidgetHandler& handler : handlers) {
        if (handler.type != type) continue;
        // A handler may have destroyed the widget: the host stops there.
        if (!model.IsAlive(widgetId)) break;
        outcome.answer = handler.proc(model.EventDocument(), list, handler.pointer);
        ++outcome.handlersCalled;
    }
    return outcome;
}

namespace {
int g_hiddenInputScopes = 0;

// The user's action on `widgetId` is refused: the widget is alive but not
// on screen, and no scope lets input through.
bool RefusedAsHidden(int widgetId) {
    const WidgetModel& model = Widgets();
    return g_hiddenInputScopes == 0 && model.IsAlive(widgetId) && !model.IsShown(widgetId);
}

EventOutcome Hidden() {
    EventOutcome outcome;
    outcome.hidden = true;
    return outcome;
}

EventOutcome SendMouse(int widgetId, const std::string& type, const PointerInfo& pointer) {
    EventList list = MouseEventList(widgetId, widgetId, type, pointer);
    return SendWidgetEvent(widgetId, type, list.Pairs());
}

EventOutcome SendPlain(int widgetId, const std::string& type) {
    EventList list = PlainEventList(widgetId, widgetId, type);
    return SendWidgetEvent(widgetId, type, list.Pairs());
}
}  // namespace

HiddenInputScope::HiddenInputScope() { ++g_hiddenInputScopes; }
HiddenInputScope::~HiddenInputScope() { --g_hiddenInputScopes; }

EventOutcome UserLeftDown(int widgetId, PointerInfo pointer) {
    if (RefusedAsHidden(widgetId)) return Hidden();
    pointer.buttonState |= button_bits::kLeft;
    EventOutcome outcome = SendMouse(widgetId, "leftdown", pointer);
    WidgetModel& model = Widgets();
    if (model.ClassOf(widgetId) == "button" &&
        model.BoolProperty(widgetId, "toggle").value_or(false)) {
        bool down = model.BoolProperty(widgetId, "down").value_or(false);
        model.SetByUser(widgetId, "down", !down);
    }
    return outcome;
}

EventOutcome UserRightDown(int widgetId, PointerInfo pointer) {
    if (RefusedAsHidden(widgetId)) return Hidden();
    pointer.buttonState |= button_bits::kRight;
    return SendMouse(widgetId, "rightdown", pointer);
}

EventOutcome UserClick(int widgetId, PointerInfo pointer) {
    WidgetModel& model = Widgets();
    if (model.ClassOf(widgetId) != "checkbox") return UserLeftDown(widgetId, pointer);
    if (!model.IsAlive(widgetId)) return EventOutcome{};
    if (RefusedAsHidden(widgetId)) return Hidden();
    bool checked = model.BoolProperty(widgetId, "checked").value_or(false);
    model.SetByUser(widgetId, "checked", !checked);
    return SendPlain(widgetId, "execute");
}

EventOutcome UserChangeSpin(int widgetId, double position) {
    if (RefusedAsHidden(widgetId)) return Hidden();
    WidgetModel& model = Widgets();
    // The box takes no value outside its range, as a real one: it stops at
    // the end the user went past, and what is not a number leaves it as it
    // was.
    if (std::isnan(position)) position = model.DoubleProperty(widgetId, "position").value_or(0.0);
    if (std::optional<double> max = model.DoubleProperty(widgetId, "max"); max && position > *max)
        position = *max;
    if (std::optional<double> min = model.DoubleProperty(widgetId, "min"); min && position < *min)
        position = *min;
    if (!model.SetByUser(widgetId, "position", position)) return EventOutcome{};
    return SendPlain(widgetId, "changing");
}

EventOutcome UserCloseWindow(int windowId) {
    if (RefusedAsHidden(windowId)) return Hidden();
    if (!Widgets().SetByUser(windowId, "visible", false)) return EventOutcome{};
    return SendPlain(windowId, "hide");
}

void QueueModalClick(std::u16string caption) {
    Dialogs().QueueModalAction([caption](int dialogId) -> std::optional<int> {
        std::vector<int> buttons = Widgets().FindByText("button", caption, dialogId);
        if (buttons.empty()) return std::nullopt;
        UserLeftDown(buttons.front());
        int result = Widgets().IntProperty(buttons.front(), "modalresult").value_or(0);
        if (result == 0) return std::nullopt;
        return result;
    });
}

}  // namespace sim
