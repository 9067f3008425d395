// The one callback through which the host delivers every widget event.
#pragma once

#include "host/host_abi.h"

// Routes the event described by `list` ("target_id", "sender_id", "type" and
// the event's values) to the closure at `pointer`, which is called only when
// it is one of the target widget's own handlers. Returns the handler's
// result, or 0 when the event was not handled. Nothing thrown inside
// crosses it. [ui-thread, host entry]
int WidgetEventProc(MQDocument document, KeyValuePair* list, void* pointer);
static_assert(sizeof(&WidgetEventProc) == sizeof(void*));
