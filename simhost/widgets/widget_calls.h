// What the checks of every MQWidget_Value message share: finding and
// counting the pairs of the message's list, the values a message cannot do
// without, and how a widget is named in a report.
#pragma once

#include <string>
#include <string_view>

#include "host/host_abi.h"

namespace sim {

// Where a report about one MQWidget_Value call points: "MQWidget_Value(set
// property 0x302, widget 104)", with the side of a two-widget message
// (" child") or the class a creation asks for. Put into words only when a
// report or a change note needs it: every call of the plug-in passes
// through here, and almost none is reported.
class MessagePlace {
public:
    MessagePlace(int message, int id) : message_(message), id_(id) {}

    // The same call, naming one side of it ("child", "parent").
    MessagePlace Side(const char* side) const;
    // The same call, naming the class a creation asks for.
    MessagePlace Creating(std::string_view widgetClass) const;
    std::string Text() const;

    friend std::string operator+(const MessagePlace& place, std::string_view tail) {
        return place.Text().append(tail);
    }

private:
    int message_;
    int id_;
    const char* side_ = nullptr;
    bool namesClass_ = false;
    std::string widgetClass_;
};

// The first pair of `list` with `key`; null when there is none.
const KeyValuePair* FindPair(const KeyValuePair* list, const char* key);
// The pairs before the list's end.
int CountPairs(const KeyValuePair* list);
// The value of a key the message needs; null after reporting, at `where`, a
// missing key or a null value.
void* RequiredValue(const KeyValuePair* list, const char* key, const MessagePlace& where);
// "widget 104 (button)".
std::string DescribeWidget(int id, const std::string& widgetClass);

}  // namespace sim
