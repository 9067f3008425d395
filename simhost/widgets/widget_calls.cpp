#include "simhost/widgets/widget_calls.h"

#include <cstring>

#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"

namespace sim {

namespace {

std::string MessageName(int message) {
    switch (message) {
    case widget_msg::kRun: return "run 0x001";
    case widget_msg::kSystemLookup: return "system lookup 0x100";
    case widget_msg::kCreate: return "create 0x101";
    case widget_msg::kDestroy: return "destroy 0x102";
    case widget_msg::kAddChild: return "add child 0x201";
    case widget_msg::kAddChildWindow: return "add child window 0x203";
    case widget_msg::kGetProperty: return "get property 0x301";
    case widget_msg::kSetProperty: return "set property 0x302";
    case widget_msg::kAddEvent: return "add event 0x304";
    }
    return "message " + std::to_string(message);
}

}  // namespace

MessagePlace MessagePlace::Side(const char* side) const {
    MessagePlace place = *this;
    place.side_ = side;
    return place;
}

MessagePlace MessagePlace::Creating(std::string_view widgetClass) const {
    MessagePlace place = *this;
    place.namesClass_ = true;
    place.widgetClass_ = widgetClass;
    return place;
}

std::string MessagePlace::Text() const {
    std::string text =
        "MQWidget_Value(" + MessageName(message_) + ", widget " + std::to_string(id_) + ")";
    if (namesClass_) text.append(" of \"").append(widgetClass_).append("\"");
    if (side_ != nullptr) text.append(" ").append(side_);
    return text;
}

const KeyValuePair* FindPair(const KeyValuePair* list, const char* key) {
    for (const KeyValuePair* pair = list; pair != nullptr && pair->key != nullptr; ++pair) {
        if (std::strcmp(pair->key, key) == 0) return pair;
    }
    return nullptr;
}

int CountPairs(const KeyValuePair* list) {
    int count = 0;
    for (const KeyValuePair* pair = list; pair != nullptr && pair->key != nullptr; ++pair) ++count;
    return count;
}

void* RequiredValue(const KeyValuePair* list, const char* key, const MessagePlace& where) {
    const KeyValuePair* pair = FindPair(list, key);
    if (pair == nullptr) {
        ReportViolation(where + ": the list has no \"" + key + "\"");
        return nullptr;
    }
    if (pair->value == nullptr) {
        ReportViolation(where + ": \"" + key + "\" has a null value pointer");
        return nullptr;
    }
    return pair->value;
}

std::string DescribeWidget(int id, const std::string& widgetClass) {
    return "widget " + std::to_string(id) + " (" + widgetClass + ")";
}

}  // namespace sim
