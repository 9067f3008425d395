// Linux: stand-ins for the Windows calls. Modules load with dlopen, and the
// system code page is UTF-8, so both code pages convert as UTF-8.
#include "platform/platform.h"

#include <dlfcn.h>

#include <cstddef>
#include <string_view>
#include <vector>

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

// Decodes UTF-16 into code points; lone surrogates become U+FFFD.
std::vector<char32_t> DecodeUtf16(const char16_t* s, std::size_t n) {
    std::vector<char32_t> out;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            out.push_back(0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back(kReplacement);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Copies `units` into `out` with the Windows size protocol.
template <typename Unit>
int Deliver(const std::vector<Unit>& units, Unit* out, int capacity) {
    int needed = static_cast<int>(units.size());
    if (capacity == 0) return needed;
    if (out == nullptr || capacity < needed) return 0;
    for (int i = 0; i < needed; ++i) out[i] = units[i];
    return needed;
}

bool KnownCodePage(unsigned codePage) {
    return codePage == kAnsiCodePage || codePage == kUtf8CodePage;
}

}  // namespace

int MultiByteToWide(unsigned codePage, const char* text, int length, char16_t* out, int capacity) {
    if (!KnownCodePage(codePage) || text == nullptr || capacity < 0 || length == 0) return 0;
    std::size_t n =
        length < 0 ? std::char_traits<char>::length(text) + 1 : static_cast<std::size_t>(length);
    std::vector<char16_t> units;
    for (char32_t cp : DecodeUtf8(std::string_view(text, n))) {
        if (cp >= 0x10000) {
            units.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(cp));
        }
    }
    return Deliver(units, out, capacity);
}

int WideToMultiByte(unsigned codePage, const char16_t* text, int length, char* out, int capacity) {
    if (!KnownCodePage(codePage) || text == nullptr || capacity < 0 || length == 0) return 0;
    std::size_t n = length < 0 ? std::char_traits<char16_t>::length(text) + 1
                               : static_cast<std::size_t>(length);
    std::vector<char> bytes;
    for (char32_t cp : DecodeUtf16(text, n)) {
        if (cp < 0x80) {
            bytes.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return Deliver(bytes, out, capacity);
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
