// Conversions between the system's code pages and UTF-16 for the settings
// document: keys arrive in the ANSI code page and reach the host as UTF-8,
// values travel as UTF-16 in the plug-in and UTF-8 in the host.
#pragma once

#include <string>

namespace host {

// `text` (NUL-terminated, in `codePage`) as UTF-16; empty for null text or
// text the system cannot convert.
std::u16string ToWide(unsigned codePage, const char* text);
// `text` (NUL-terminated UTF-16) in `codePage`; empty for null text or text
// the system cannot convert.
std::string FromWide(unsigned codePage, const char16_t* text);
// A key in the ANSI code page, as the UTF-8 the host's document holds.
std::string AnsiKeyToUtf8(const char* key);

}  // namespace host
