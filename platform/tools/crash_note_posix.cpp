// POSIX: a handler for the signals of a crash writes the note with write(2),
// the one output a signal handler may use, then hands the signal on; under
// AddressSanitizer its death callback writes it too.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/tools/crash_note.h"

// AddressSanitizer's runtime, when the program has one; null otherwise.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace platform {

namespace {

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t kSignalSlots = 64;

char g_note[1024];
std::atomic<std::size_t> g_noteLength{0};
struct sigaction g_before[kSignalSlots];

void WriteNoteOnce();

void OnCrash(int signal, siginfo_t* info, void* context) {
    WriteNoteOnce();
    const struct sigaction& before = g_before[signal];
    if ((before.sa_flags & SA_SIGINFO) != 0 && before.sa_sigaction != nullptr) {
        before.sa_sigaction(signal, info, context);
        return;
    }
    if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN &&
        before.sa_handler != nullptr) {
        before.sa_handler(signal);
        return;
    }
    // The default action: returning re-runs the faulting instruction, which
    // then ends the process as if no handler had been there.
    ::signal(signal, SIG_DFL);
    if (signal == SIGABRT) ::raise(signal);
}

void WriteNoteOnce() {
    const std::size_t length = g_noteLength.exchange(0);
    if (length > 0) {
        ssize_t written = ::write(STDERR_FILENO, g_note, length);
        (void)written;
    }
}

}  // namespace

void InstallCrashNote() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // A fault that AddressSanitizer catches (an overflow, a use after free)
    // ends the process its own way, without a signal: its death callback
    // writes the note then.
    if (__sanitizer_set_death_callback != nullptr) __sanitizer_set_death_callback(WriteNoteOnce);
    for (int signal : kCrashSignals) {
        struct sigaction action {};
        action.sa_sigaction = OnCrash;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, &g_before[signal]);
    }
}

void SetCrashNote(const std::string& text) {
    g_noteLength = 0;
    if (text.empty()) return;
    const std::size_t length = std::min(text.size(), sizeof g_note - 1);
    std::memcpy(g_note, text.data(), length);
    g_note[length] = '\n';
    g_noteLength = length + 1;
}

}  // namespace platform
