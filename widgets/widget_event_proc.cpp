#include "widgets/widget_event_proc.h"

#include <cstring>
#include <memory>

#include "host/boundary_guard.h"
#include "host/key_value_list.h"
#include "widgets/canvas.h"
#include "widgets/widget_base.h"
#include "widgets/widget_registry.h"

namespace {

enum class EventKind { Mouse, Key, Paint, Plain };

EventKind KindOf(const char* type) {
    static const char* const kMouseEvents[] = {
        "leftdown",  "leftup",  "leftdoubleclick",  "middledown", "middleup",  "middledoubleclick",
        "rightdown", "rightup", "rightdoubleclick", "mousemove",  "mousewheel"};
    for (const char* name : kMouseEvents) {
        if (std::strcmp(type, name) == 0) return EventKind::Mouse;
    }
    if (std::strcmp(type, "keydown") == 0 || std::strcmp(type, "keyup") == 0) return EventKind::Key;
    if (std::strcmp(type, "paint") == 0) return EventKind::Paint;
    return EventKind::Plain;
}

// The target's own handler at `pointer`, kept alive for the call even if
// the handler destroys the widget that holds it.
std::shared_ptr<MQWidgetEventClosureBase> FindOwnHandler(const MQWidgetBase& target,
                                                         const void* pointer) {
    for (const auto& closure : target.GetHandlers()) {
        if (closure.get() == pointer) return closure;
    }
    return nullptr;
}

int Route(MQDocument document, const KeyValuePair* list, const void* pointer) {
    if (list == nullptr) return 0;
    int targetId = host::FindIntValue(list, "target_id", 0);
    int senderId = host::FindIntValue(list, "sender_id", 0);
    auto* type = static_cast<const char*>(host::FindValue(list, "type"));
    if (type == nullptr) return 0;

    MQWidgetBase* target = TheWidgetRegistry().Find(targetId);
    if (target == nullptr) return 0;
    std::shared_ptr<MQWidgetEventClosureBase> closure = FindOwnHandler(*target, pointer);
    if (closure == nullptr) return 0;
    MQWidgetBase* sender = TheWidgetRegistry().Find(senderId);

    WidgetEventRecord record;
    switch (KindOf(type)) {
    case EventKind::Mouse: {
        WidgetMouseParam mouse = ParseMouseParam(list);
        record.mouse = &mouse;
        return closure->Invoke(sender, document, record);
    }
    case EventKind::Key: {
        WidgetKeyParam key = ParseKeyParam(list);
        record.key = &key;
        return closure->Invoke(sender, document, record);
    }
    case EventKind::Paint: {
        // The canvas lives only for this call.
        MQCanvas canvas(host::FindValue(list, "canvas"));
        record.canvas = &canvas;
        return closure->Invoke(sender, document, record);
    }
    case EventKind::Plain: break;  // no record
    }
    return closure->Invoke(sender, document, record);
}

}  // namespace

int WidgetEventProc(MQDocument document, KeyValuePair* list, void* pointer) {
    // A door from the host like the exports: a handler that throws answers 0.
    return host::Guarded(0, [&] { return Route(document, list, pointer); });
}
