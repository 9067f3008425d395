// The one UTF-8 decoder: what it makes of well-formed and malformed text, and
// that the check of the host's text says the same.
#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* what;
    std::string bytes;
    std::vector<char32_t> codePoints;
    bool wellFormed;
};

TEST(Utf8, DecodesWellFormedTextAndReplacesEachMalformedSequence) {
    const char32_t bad = 0xFFFD;
    const Case cases[] = {
        {"ASCII", "Ab", {U'A', U'b'}, true},
        {"two bytes", "\xC3\xA9", {0xE9}, true},
        {"three bytes", "\xE2\x82\xAC", {0x20AC}, true},
        {"four bytes", "\xF0\x9F\x98\x80", {0x1F600}, true},
        {"a replacement character of its own", "\xEF\xBF\xBD", {bad}, true},
        {"stray continuation byte", "a\x80z", {U'a', bad, U'z'}, false},
        {"overlong two bytes", "\xC0\x80", {bad, bad}, false},
        {"overlong three bytes", "\xE0\x80\x80", {bad, bad, bad}, false},
        {"surrogate", "\xED\xA0\x80", {bad, bad, bad}, false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", {bad, bad, bad, bad}, false},
        {"cut off at the end", "x\xE2\x82", {U'x', bad, bad}, false},
        {"no such lead byte", "\xF8", {bad}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::DecodeUtf8(c.bytes), c.codePoints) << c.what;
        EXPECT_EQ(platform::IsUtf8(c.bytes), c.wellFormed) << c.what;
    }
}

}  // namespace
