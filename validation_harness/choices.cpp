#include "validation_harness/choices.h"

namespace validation {

int SeededChoices::Pick(int bound) {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return bound <= 1 ? 0 : static_cast<int>(z % static_cast<std::uint64_t>(bound));
}

int ByteChoices::Pick(int bound) {
    unsigned value = 0;
    const int bytes = bound > 256 ? 2 : 1;
    for (int i = 0; i < bytes; ++i) {
        value = value << 8;
        if (next_ < size_) value |= data_[next_++];
    }
    return bound <= 1 ? 0 : static_cast<int>(value % static_cast<unsigned>(bound));
}

}  // namespace validation
