// Each conversion asks the system for the length first (terminator
// included), then converts into a buffer one unit longer, so the result is
// terminated even if the system wrote no terminator of its own.
#include "host/code_page_text.h"

#include <vector>

#include "platform/platform.h"

namespace host {

std::u16string ToWide(unsigned codePage, const char* text) {
    if (text == nullptr) return {};
    int length = platform::MultiByteToWide(codePage, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<char16_t> buffer(static_cast<std::size_t>(length) + 1, u'\0');
    platform::MultiByteToWide(codePage, text, -1, buffer.data(), length);
    return std::u16string(buffer.data());
}

std::string FromWide(unsigned codePage, const char16_t* text) {
    if (text == nullptr) return {};
    int length = platform::WideToMultiByte(codePage, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    platform::WideToMultiByte(codePage, text, -1, buffer.data(), length);
    return std::string(buffer.data());
}

std::string AnsiKeyToUtf8(const char* key) {
    return FromWide(platform::kUtf8CodePage, ToWide(platform::kAnsiCodePage, key).c_str());
}

}  // namespace host
