#include "simhost/widgets/widget_calls.h"

#include <cstring>

#include "simhost/contract/violations.h"

namespace sim {

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

void* RequiredValue(const KeyValuePair* list, const char* key, const std::string& where) {
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
