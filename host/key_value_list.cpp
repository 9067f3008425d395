#include "host/key_value_list.h"

#include <cstring>

namespace host {

namespace {
const KeyValuePair* FindPair(const KeyValuePair* list, const char* key) {
    if (list == nullptr || key == nullptr) return nullptr;
    for (const KeyValuePair* pair = list; pair->key != nullptr; ++pair) {
        if (std::strcmp(pair->key, key) == 0) return pair;
    }
    return nullptr;
}
}  // namespace

void* FindValue(const KeyValuePair* list, const char* key) {
    const KeyValuePair* pair = FindPair(list, key);
    return pair != nullptr ? pair->value : nullptr;
}

int FindIntValue(const KeyValuePair* list, const char* key, int preset) {
    const void* value = FindValue(list, key);
    return value != nullptr ? *static_cast<const int*>(value) : preset;
}

float FindFloatValue(const KeyValuePair* list, const char* key, float preset) {
    const void* value = FindValue(list, key);
    return value != nullptr ? *static_cast<const float*>(value) : preset;
}

}  // namespace host
