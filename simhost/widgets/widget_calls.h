// What the checks of every MQWidget_Value message share: finding and
// counting the pairs of the message's list, the values a message cannot do
// without, and how a widget is named in a report.
#pragma once

#include <string>

#include "host/host_abi.h"

namespace sim {

// The first pair of `list` with `key`; null when there is none.
const KeyValuePair* FindPair(const KeyValuePair* list, const char* key);
// The pairs before the list's end.
int CountPairs(const KeyValuePair* list);
// The value of a key the message needs; null after reporting, at `where`, a
// missing key or a null value.
void* RequiredValue(const KeyValuePair* list, const char* key, const std::string& where);
// "widget 104 (button)".
std::string DescribeWidget(int id, const std::string& widgetClass);

}  // namespace sim
