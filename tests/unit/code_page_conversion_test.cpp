// The code-page conversions as the plug-in uses them: the size protocol of
// the system's calls, and text that goes through UTF-8 and back unchanged.
// The same on both platforms (stand-ins on Linux, the system's own under
// Windows).
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace {

using platform::kUtf8CodePage;

std::string ToUtf8(const std::u16string& text) {
    const int length = static_cast<int>(text.size());
    const int needed = platform::WideToMultiByte(kUtf8CodePage, text.data(), length, nullptr, 0);
    std::string out(static_cast<std::size_t>(needed), '?');
    const int written =
        platform::WideToMultiByte(kUtf8CodePage, text.data(), length, out.data(), needed);
    EXPECT_EQ(written, needed);
    return out;
}

std::u16string ToUtf16(const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int needed = platform::MultiByteToWide(kUtf8CodePage, text.data(), length, nullptr, 0);
    std::u16string out(static_cast<std::size_t>(needed), u'?');
    const int written =
        platform::MultiByteToWide(kUtf8CodePage, text.data(), length, out.data(), needed);
    EXPECT_EQ(written, needed);
    return out;
}

TEST(CodePageConversion, EveryLengthOfSequenceGoesThereAndBack) {
    const std::u16string wide = u"A\u00e9\u20ac\U0001F600z";
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";
    EXPECT_EQ(ToUtf8(wide), utf8);
    EXPECT_EQ(ToUtf16(utf8), wide);
}

TEST(CodePageConversion, BrokenTextBecomesTheReplacementCharacter) {
    EXPECT_EQ(ToUtf8(u"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(ToUtf16("a\x80z"), u"a\uFFFDz");
}

TEST(CodePageConversion, KeepsTheSystemsSizeProtocol) {
    const char16_t wide[] = u"\u00e9t\u00e9";
    // With the terminator: 2 + 1 + 2 bytes and a zero.
    EXPECT_EQ(platform::WideToMultiByte(kUtf8CodePage, wide, -1, nullptr, 0), 6);
    char tooSmall[5] = {'#', '#', '#', '#', '#'};
    EXPECT_EQ(platform::WideToMultiByte(kUtf8CodePage, wide, -1, tooSmall, 5), 0);
    char exact[6] = {};
    EXPECT_EQ(platform::WideToMultiByte(kUtf8CodePage, wide, -1, exact, 6), 6);
    EXPECT_STREQ(exact, "\xC3\xA9t\xC3\xA9");

    char16_t back[3] = {};
    EXPECT_EQ(platform::MultiByteToWide(kUtf8CodePage, exact, -1, nullptr, 0), 4);
    EXPECT_EQ(platform::MultiByteToWide(kUtf8CodePage, exact, -1, back, 3), 0);
    EXPECT_EQ(platform::MultiByteToWide(kUtf8CodePage, exact, 0, back, 3), 0);
}

}  // namespace
