#include "host/setting_value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "host/float_narrowing.h"

namespace host::value_text {

namespace {

std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

std::u16string_view SkipBlanks(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return text.substr(i);
}

// The ASCII start of the text as narrow characters; a number never reaches
// past it.
std::string AsciiPrefix(std::u16string_view text) {
    std::string ascii;
    for (char16_t c : text) {
        if (c == 0 || c >= 0x80) break;
        ascii.push_back(static_cast<char>(c));
    }
    return ascii;
}

// A number too large or too small for a double: the sign of its exponent
// says which.
bool ExponentIsNegative(std::string_view number) {
    std::size_t e = number.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
}

}  // namespace

std::u16string FormatBool(bool value) { return value ? u"1" : u"0"; }

std::u16string FormatInt(int value) { return Widen(std::to_string(value)); }

std::u16string FormatFloat(float value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                   std::chars_format::scientific, 6);
    if (ec != std::errc()) return u"0.000000e+000";
    std::string text(buffer, end);
    // The exponent as existing files hold it: at least three digits.
    std::size_t e = text.find('e');
    if (e != std::string::npos) {
        std::size_t digits = text.size() - (e + 2);
        if (digits < 3) text.insert(e + 2, 3 - digits, '0');
    }
    return Widen(text);
}

bool ParseBool(std::u16string_view text) { return ParseInt(text) != 0; }

int ParseInt(std::u16string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
        negative = text[0] == u'-';
        text.remove_prefix(1);
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        magnitude = std::min(magnitude * 10 + (c - u'0'), kLimit);
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

float ParseFloat(std::u16string_view text) {
    std::string number = AsciiPrefix(SkipBlanks(text));
    std::string_view view = number;
    // The parser below takes a minus but no plus.
    if (view.size() > 1 && view[0] == '+' && view[1] != '-' && view[1] != '+')
        view.remove_prefix(1);
    double value = 0.0;
    auto [end, ec] =
        std::from_chars(view.data(), view.data() + view.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (ExponentIsNegative(std::string_view(view.data(), end - view.data()))) return 0.0f;
        return view[0] == '-' ? -std::numeric_limits<float>::infinity()
                              : std::numeric_limits<float>::infinity();
    }
    if (ec != std::errc()) return 0.0f;
    return NarrowToFloat(value);
}

}  // namespace host::value_text
