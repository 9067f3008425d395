// Windows: the platform layer is the real system calls.
#include "platform/platform.h"

#include <windows.h>

namespace platform {

const char kModuleSuffix[] = ".dll";
const char kPathSeparator = '\\';

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide text on Windows");

ModuleHandle LoadModule(const char* path) {
    if (path == nullptr) return nullptr;
    return reinterpret_cast<ModuleHandle>(LoadLibraryA(path));
}

void* FindSymbol(ModuleHandle module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void ReleaseModule(ModuleHandle module) { FreeLibrary(static_cast<HMODULE>(module)); }

std::string ModulePathOf(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module))
        return {};
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length);
}

int MultiByteToWide(unsigned codePage, const char* text, int length, char16_t* out, int capacity) {
    return MultiByteToWideChar(codePage, 0, text, length, reinterpret_cast<wchar_t*>(out),
                               capacity);
}

int WideToMultiByte(unsigned codePage, const char16_t* text, int length, char* out, int capacity) {
    return WideCharToMultiByte(codePage, 0, reinterpret_cast<const wchar_t*>(text), length, out,
                               capacity, nullptr, nullptr);
}

int FormatWideInt(char16_t* out, const char16_t* format, int value) {
    return wsprintfW(reinterpret_cast<wchar_t*>(out), reinterpret_cast<const wchar_t*>(format),
                     value);
}

}  // namespace platform

// The C++ runtime lives inside each module, and with it the arena it keeps
// for throwing exceptions when memory runs out. The runtime never frees it,
// so every unload of the module would leave it behind; it goes when the
// module's static objects go.
namespace __gnu_cxx {
void __freeres() noexcept;
}  // namespace __gnu_cxx

namespace {
struct RuntimeArenaRelease {
    ~RuntimeArenaRelease() { __gnu_cxx::__freeres(); }
};
RuntimeArenaRelease g_runtimeArenaRelease;
}  // namespace
