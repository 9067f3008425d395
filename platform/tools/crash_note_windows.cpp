// Windows: an unhandled-exception filter writes the note, then lets the
// search go on to the system's own handling (or a debugger's).
#include <windows.h>

#include "platform/tools/crash_note.h"
#include "platform/tools/crash_note_text.h"

namespace platform {

namespace {

LPTOP_LEVEL_EXCEPTION_FILTER g_before = nullptr;

LONG WINAPI OnCrash(EXCEPTION_POINTERS* exception) {
    const char* text = nullptr;
    if (const std::size_t length = TakeCrashNote(text); length > 0) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(length), &written,
                  nullptr);
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

}  // namespace platform
