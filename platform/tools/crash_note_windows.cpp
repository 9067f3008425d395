// Windows: an unhandled-exception filter writes the note, then lets the
// search go on to the system's own handling (or a debugger's).
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/tools/crash_note.h"

namespace platform {

namespace {

char g_note[1024];
DWORD g_noteLength = 0;
LPTOP_LEVEL_EXCEPTION_FILTER g_before = nullptr;

LONG WINAPI OnCrash(EXCEPTION_POINTERS* exception) {
    const DWORD length = g_noteLength;
    g_noteLength = 0;
    if (length > 0) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), g_note, length, &written, nullptr);
    }
    return g_before != nullptr ? g_before(exception) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void InstallCrashNote() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    g_before = SetUnhandledExceptionFilter(OnCrash);
}

void SetCrashNote(const std::string& text) {
    g_noteLength = 0;
    if (text.empty()) return;
    const std::size_t length = std::min(text.size(), sizeof g_note - 1);
    std::memcpy(g_note, text.data(), length);
    g_note[length] = '\n';
    g_noteLength = static_cast<DWORD>(length + 1);
}

}  // namespace platform
