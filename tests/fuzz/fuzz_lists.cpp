#include "tests/fuzz/fuzz_lists.h"

#include <cstring>

namespace fuzz {

void FuzzList::Scalar(const std::string& key, validation::Choices& pick) {
    Slot& slot = slots_.emplace_back();
    for (std::size_t i = 0; i < 8; ++i) slot.bytes[i] = static_cast<unsigned char>(pick.Pick(256));
    pairs_.push_back({keys_.emplace_back(key).c_str(), slot.bytes});
}

void FuzzList::Int(const std::string& key, int value) {
    Slot& slot = slots_.emplace_back();
    std::memcpy(slot.bytes, &value, sizeof value);
    pairs_.push_back({keys_.emplace_back(key).c_str(), slot.bytes});
}

void FuzzList::Text(const std::string& key, validation::Choices& pick) {
    std::string& text = texts_.emplace_back();
    const int length = pick.Pick(12);
    for (int i = 0; i < length; ++i) text.push_back(static_cast<char>(1 + pick.Pick(255)));
    pairs_.push_back({keys_.emplace_back(key).c_str(), text.data()});
}

void FuzzList::Pointer(const std::string& key, void* pointer) {
    pairs_.push_back({keys_.emplace_back(key).c_str(), pointer});
}

KeyValuePair* FuzzList::Pairs() {
    pairs_.push_back({nullptr, nullptr});
    return pairs_.data();
}

std::string PickKey(validation::Choices& pick, const std::vector<std::string>& known) {
    const int which = pick.Pick(static_cast<int>(known.size()) + 2);
    if (which < static_cast<int>(known.size())) return known[static_cast<std::size_t>(which)];
    if (which == static_cast<int>(known.size())) return "";
    return "x" + std::to_string(pick.Pick(100));
}

}  // namespace fuzz
