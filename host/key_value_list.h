// Look-ups in the host's argument lists: pairs scanned from the front up to
// the first null key; the first exact, case-sensitive match decides.
#pragma once

#include "host/host_abi.h"

namespace host {

// Value pointer of the first pair with `key` (null included), or null.
void* FindValue(const KeyValuePair* list, const char* key);
// The 32-bit integer behind the first pair with `key`, or `preset` when the
// key is missing or its value is null.
int FindIntValue(const KeyValuePair* list, const char* key, int preset);
// The 32-bit float behind the first pair with `key`, or `preset`.
float FindFloatValue(const KeyValuePair* list, const char* key, float preset);

}  // namespace host
