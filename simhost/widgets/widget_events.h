// Widget events as the host delivers them, and the user's actions that cause
// them: lists built the host's way ("target_id", "sender_id", "type", pointer
// positions, "button_state", "pressure"), handed to every handler the
// plug-in registered for the event on the widget, with its proc and pointer.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/host_abi.h"

namespace sim {

// "button_state" bits as the host sets them.
namespace button_bits {
constexpr int kLeft = 0x01;
constexpr int kRight = 0x02;
constexpr int kShift = 0x04;
constexpr int kCtrl = 0x08;
constexpr int kMiddle = 0x10;
}  // namespace button_bits

// An event's argument list: owns its keys and values, which keep their
// addresses while the list lives. Move-only.
class EventList {
public:
    EventList() = default;
    EventList(EventList&&) = default;
    EventList& operator=(EventList&&) = default;
    EventList(const EventList&) = delete;
    EventList& operator=(const EventList&) = delete;

    EventList& Int(std::string key, int value);
    EventList& Float(std::string key, float value);
    EventList& Text(std::string key, std::string value);
    // The value pointer itself is the value (a handle), null included.
    EventList& Pointer(std::string key, void* value);

    // The pairs, ended by a null key; valid until the list changes or dies.
    KeyValuePair* Pairs();

private:
    enum class Kind { Int, Float, Text, Pointer };
    struct Entry {
        std::string key;
        Kind kind = Kind::Int;
        int integer = 0;
        float real = 0.0f;
        std::string text;
        void* pointer = nullptr;
    };
    std::deque<Entry> entries_;
    std::vector<KeyValuePair> pairs_;
};

// Pointer state of a mouse event.
struct PointerInfo {
    int clientX = 0;
    int clientY = 0;
    int screenX = 0;
    int screenY = 0;
    int downX = 0;
    int downY = 0;
    int lastX = 0;
    int lastY = 0;
    int wheelDelta = 0;
    int buttonState = 0;  // button_bits; the user actions add the pressed button
    float pressure = 0.0f;
};

// The host's lists. Mouse events carry every position, "wheel_delta",
// "button_state" and "pressure"; key events "key", "auto_repeat" and
// "button_state"; paint events "canvas"; the others only the three ids.
EventList MouseEventList(int targetId, int senderId, const std::string& type,
                         const PointerInfo& pointer);
EventList KeyEventList(int targetId, int senderId, const std::string& type, int key,
                       bool autoRepeat, int buttonState);
EventList PaintEventList(int targetId, int senderId, void* canvas);
EventList PlainEventList(int targetId, int senderId, const std::string& type);

// What the plug-in's handlers made of one event.
struct EventOutcome {
    bool delivered = false;  // the widget was alive and the event went out
    // The user's action was refused: the widget is not on screen (see
    // WidgetModel::IsShown), so no user can reach it.
    bool hidden = false;
    int handlersCalled = 0;
    int answer = 0;  // the last handler's result; 0 when none ran
};

// While one lives, the user's actions below reach hidden widgets too: input
// that was on its way when the window hid (a click queued before an exit
// hid the panel), or the host tool's own look at a hidden panel. Nests.
class HiddenInputScope {
public:
    HiddenInputScope();
    ~HiddenInputScope();
    HiddenInputScope(const HiddenInputScope&) = delete;
    HiddenInputScope& operator=(const HiddenInputScope&) = delete;
};

// Hands `list` to every handler registered for `type` on the widget (those
// registered with "prior" first, then in registration order), with the
// model's event document. The list is passed as given, odd lists included.
EventOutcome SendWidgetEvent(int widgetId, const std::string& type, KeyValuePair* list);

// The user's actions. Each builds the event as the host does, with the widget
// as target and sender. A widget that is alive but not on screen takes none
// of them, as in a real window system: the outcome says `hidden`, and
// nothing changes.
// Left button down on a widget; on a toggle button "leftdown" reaches the
// handlers first, then the host inverts "down".
EventOutcome UserLeftDown(int widgetId, PointerInfo pointer = {});
EventOutcome UserRightDown(int widgetId, PointerInfo pointer = {});
// A click: on a check box the host inverts "checked" and then sends
// "execute"; on anything else it is UserLeftDown.
EventOutcome UserClick(int widgetId, PointerInfo pointer = {});
// Types a new value into a spin box: "position" changes, held within the
// box's "min" and "max" (a value that is not a number changes nothing),
// then "changing".
EventOutcome UserChangeSpin(int widgetId, double position);
// Closes a window: it is hidden ("visible" false), then "hide" is sent.
EventOutcome UserCloseWindow(int windowId);
// In the next modal run, the user clicks the dialog's button captioned
// `caption`; the run answers that button's "modalresult" (unanswered when it
// has none or no such button exists).
void QueueModalClick(std::u16string caption);

}  // namespace sim
