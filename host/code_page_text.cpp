// Each conversion asks the system for the length first (terminator
// included), then converts into the result itself, one unit longer, so the
// text is terminated even if the system wrote no terminator of its own; the
// result ends at the first terminator. Settings keys go through here on
// every load and save, hence no buffer besides the result.
#include "host/code_page_text.h"

#include <string>

#include "platform/platform.h"

namespace host {

std::u16string ToWide(unsigned codePage, const char* text) {
    if (text == nullptr) return {};
    int length = platform::MultiByteToWide(codePage, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::u16string result(static_cast<std::size_t>(length) + 1, u'\0');
    platform::MultiByteToWide(codePage, text, -1, result.data(), length);
    result.resize(std::char_traits<char16_t>::length(result.data()));
    return result;
}

std::string FromWide(unsigned codePage, const char16_t* text) {
    if (text == nullptr) return {};
    int length = platform::WideToMultiByte(codePage, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::string result(static_cast<std::size_t>(length) + 1, '\0');
    platform::WideToMultiByte(codePage, text, -1, result.data(), length);
    result.resize(std::char_traits<char>::length(result.data()));
    return result;
}

std::string AnsiKeyToUtf8(const char* key) {
    return FromWide(platform::kUtf8CodePage, ToWide(platform::kAnsiCodePage, key).c_str());
}

}  // namespace host
