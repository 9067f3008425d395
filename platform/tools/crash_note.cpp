// The note itself, kept where a crash handler can read it without taking a
// lock or allocating: both platforms' handlers write it from here.
#include "platform/tools/crash_note.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/tools/crash_note_text.h"

namespace platform {

namespace {
char g_note[1024];
std::atomic<std::size_t> g_noteLength{0};
}  // namespace

void SetCrashNote(const std::string& text) {
    g_noteLength = 0;
    if (text.empty()) return;
    const std::size_t length = std::min(text.size(), sizeof g_note - 1);
    std::memcpy(g_note, text.data(), length);
    g_note[length] = '\n';
    g_noteLength = length + 1;
}

std::size_t TakeCrashNote(const char*& text) {
    text = g_note;
    return g_noteLength.exchange(0);
}

}  // namespace platform
