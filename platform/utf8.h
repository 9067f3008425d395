// Decoding of UTF-8, one rule for the whole program: the Linux stand-ins of
// the system's code-page conversions decode with it, and the simulated host
// checks the text it is handed with it. Portable code, the same on both
// platforms.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace platform {

// One sequence decoded from the front of `text` (not empty): its code point
// and the bytes it took. A malformed sequence (a stray continuation byte, a
// cut-off or overlong sequence, a surrogate, a value beyond U+10FFFF) is
// U+FFFD taking one byte, and not `valid`.
struct Utf8Sequence {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};
Utf8Sequence DecodeUtf8Sequence(std::string_view text);

// Calls `emit` with each sequence of `text`, front to back.
template <typename Emit>
void ForEachUtf8Sequence(std::string_view text, Emit emit) {
    while (!text.empty()) {
        const Utf8Sequence sequence = DecodeUtf8Sequence(text);
        emit(sequence);
        text.remove_prefix(sequence.length);
    }
}

// The code points of `text`; each malformed sequence becomes U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view text);
// True when `text` holds no malformed sequence.
bool IsUtf8(std::string_view text);

}  // namespace platform
