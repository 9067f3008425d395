// The text forms of settings values, written as the host's existing
// settings files hold them and read leniently. Independent of the C
// runtime's locale and of its exponent width.
#pragma once

#include <string>
#include <string_view>

namespace host::value_text {

// "1" or "0".
std::u16string FormatBool(bool value);
// Decimal, "-5".
std::u16string FormatInt(int value);
// Six fraction digits and a three-digit exponent: 0.5 -> "5.000000e-001".
std::u16string FormatFloat(float value);

// True when the text read as an integer is nonzero ("2", "-1"; not "true").
bool ParseBool(std::u16string_view text);
// The leading decimal integer: leading blanks and one sign allowed, reading
// stops at the first other character, 0 without digits ("12abc" -> 12).
// Values beyond 32 bits give the nearest 32-bit limit.
int ParseInt(std::u16string_view text);
// The leading decimal number (plain or with an exponent of any width) read
// as a double and narrowed; 0 without a number. Magnitudes beyond the float
// range give infinity, below it 0.
float ParseFloat(std::u16string_view text);

}  // namespace host::value_text
