#include "platform/utf8.h"

namespace platform {

namespace {
constexpr char32_t kReplacement = 0xFFFD;
// The smallest code point that needs a sequence of 1 + index bytes: anything
// below it is overlong.
constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
}  // namespace

Utf8Sequence DecodeUtf8Sequence(std::string_view text) {
    constexpr Utf8Sequence kMalformed{kReplacement, 1, false};
    const auto lead = static_cast<unsigned char>(text[0]);
    const int extra = lead < 0x80           ? 0
                      : (lead >> 5) == 0x6  ? 1
                      : (lead >> 4) == 0xE  ? 2
                      : (lead >> 3) == 0x1E ? 3
                                            : -1;
    if (extra < 0 || static_cast<std::size_t>(extra) >= text.size()) return kMalformed;
    char32_t codePoint = lead & (0x7F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) return kMalformed;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < kSmallest[extra] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return kMalformed;
    return {codePoint, static_cast<std::size_t>(extra) + 1, true};
}

std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> codePoints;
    codePoints.reserve(text.size());
    ForEachUtf8Sequence(
        text, [&](const Utf8Sequence& sequence) { codePoints.push_back(sequence.codePoint); });
    return codePoints;
}

bool IsUtf8(std::string_view text) {
    bool valid = true;
    ForEachUtf8Sequence(text,
                        [&](const Utf8Sequence& sequence) { valid = valid && sequence.valid; });
    return valid;
}

}  // namespace platform
