// Argument lists as a host could send them, built from a fuzzer's choices:
// any keys in any order, repeated or missing, each value null or pointing
// at storage large enough for any scalar, texts NUL-terminated.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/host_abi.h"
#include "validation_harness/choices.h"

namespace fuzz {

class FuzzList {
public:
    // A pair whose value points at a slot of eight bytes from the choices.
    void Scalar(const std::string& key, validation::Choices& pick);
    // A pair whose value points at a slot holding exactly `value`.
    void Int(const std::string& key, int value);
    // A pair whose value is a short NUL-terminated text from the choices.
    void Text(const std::string& key, validation::Choices& pick);
    // A pair whose value is `pointer` itself (a handle, null included).
    void Pointer(const std::string& key, void* pointer);
    // The pairs, ended by a null key.
    KeyValuePair* Pairs();

private:
    struct Slot {
        alignas(8) unsigned char bytes[16] = {};
    };
    std::deque<std::string> keys_;
    std::deque<Slot> slots_;
    std::deque<std::string> texts_;
    std::vector<KeyValuePair> pairs_;
};

// A key from `known`, now and then one of no meaning, or an empty one.
std::string PickKey(validation::Choices& pick, const std::vector<std::string>& known);

}  // namespace fuzz
