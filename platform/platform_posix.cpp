// Linux: stand-ins for the Windows calls. Modules load with dlopen, and the
// system code page is UTF-8, so both code pages convert as UTF-8.
#include "platform/platform.h"

#include <dlfcn.h>

#include <cstddef>
#include <string_view>

#include "platform/utf8.h"

namespace platform {

const char kModuleSuffix[] = ".so";
const char kPathSeparator = '/';

ModuleHandle LoadModule(const char* path) {
    if (path == nullptr) return nullptr;
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

void* FindSymbol(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    return dlsym(module, name);
}

void ReleaseModule(ModuleHandle module) {
    if (module != nullptr) dlclose(module);
}

std::string ModulePathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Calls `emit` with each code point of UTF-16 text; lone surrogates become
// U+FFFD.
template <typename Emit>
void ForEachUtf16CodePoint(const char16_t* s, std::size_t n, Emit emit) {
    for (std::size_t i = 0; i < n; ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            emit(0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            emit(kReplacement);
        } else {
            emit(c);
        }
    }
}

int Utf16Length(char32_t cp) { return cp >= 0x10000 ? 2 : 1; }

int Utf8Length(char32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4; }

// Writes `cp` at `at`; returns the units written.
int PutUtf16(char32_t cp, char16_t* at) {
    if (cp < 0x10000) {
        at[0] = static_cast<char16_t>(cp);
        return 1;
    }
    at[0] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
    at[1] = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    return 2;
}

int PutUtf8(char32_t cp, char* at) {
    const int length = Utf8Length(cp);
    if (length == 1) {
        at[0] = static_cast<char>(cp);
        return 1;
    }
    constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (int k = length - 1; k > 0; --k, cp >>= 6) at[k] = static_cast<char>(0x80 | (cp & 0x3F));
    at[0] = static_cast<char>(kLead[length] | cp);
    return length;
}

bool KnownCodePage(unsigned codePage) {
    return codePage == kAnsiCodePage || codePage == kUtf8CodePage;
}

}  // namespace

// Both conversions measure first and then write straight into `out`: they
// run for every settings key and text, and a buffer of their own would be an
// allocation per call.
int MultiByteToWide(unsigned codePage, const char* text, int length, char16_t* out, int capacity) {
    if (!KnownCodePage(codePage) || text == nullptr || capacity < 0 || length == 0) return 0;
    const std::string_view bytes(text, length < 0 ? std::char_traits<char>::length(text) + 1
                                                  : static_cast<std::size_t>(length));
    int needed = 0;
    ForEachUtf8Sequence(bytes, [&](const Utf8Sequence& s) { needed += Utf16Length(s.codePoint); });
    if (capacity == 0) return needed;
    if (out == nullptr || capacity < needed) return 0;
    int written = 0;
    ForEachUtf8Sequence(
        bytes, [&](const Utf8Sequence& s) { written += PutUtf16(s.codePoint, out + written); });
    return written;
}

int WideToMultiByte(unsigned codePage, const char16_t* text, int length, char* out, int capacity) {
    if (!KnownCodePage(codePage) || text == nullptr || capacity < 0 || length == 0) return 0;
    const std::size_t n = length < 0 ? std::char_traits<char16_t>::length(text) + 1
                                     : static_cast<std::size_t>(length);
    int needed = 0;
    ForEachUtf16CodePoint(text, n, [&](char32_t cp) { needed += Utf8Length(cp); });
    if (capacity == 0) return needed;
    if (out == nullptr || capacity < needed) return 0;
    int written = 0;
    ForEachUtf16CodePoint(text, n, [&](char32_t cp) { written += PutUtf8(cp, out + written); });
    return written;
}

int FormatWideInt(char16_t* out, const char16_t* format, int value) {
    if (out == nullptr || format == nullptr) return 0;
    int written = 0;
    for (const char16_t* f = format; *f != 0; ++f) {
        if (f[0] == u'%' && f[1] == u'd') {
            std::string digits = std::to_string(value);
            for (char c : digits) out[written++] = static_cast<char16_t>(c);
            ++f;
        } else if (f[0] == u'%' && f[1] == u'%') {
            out[written++] = u'%';
            ++f;
        } else {
            out[written++] = *f;
        }
    }
    out[written] = 0;
    return written;
}

}  // namespace platform
