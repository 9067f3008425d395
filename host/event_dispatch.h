// Translates a host event (MQOnEvent) into a call of the plug-in object's
// operation and the answer the host expects.
#pragma once

#include "host/plugin_classes.h"

namespace host {

// Dispatches event `eventType` with its `option` (a KeyValuePair list, or
// for events 100 and 102 a pointer to the flag) to `plugin`. Returns the
// answer for the host; 0 for an event the plug-in's kind does not take.
// [ui-thread, after MQInit]
int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int eventType, void* option);

}  // namespace host
