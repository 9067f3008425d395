// POSIX: a handler for the signals of a crash writes the note with write(2),
// the one output a signal handler may use, then hands the signal on; under
// AddressSanitizer its death callback writes it too.
#include <signal.h>
#include <unistd.h>

#include "platform/tools/crash_note.h"
#include "platform/tools/crash_note_text.h"

// AddressSanitizer's runtime, when the program has one; null otherwise.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace platform {

namespace {

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t kSignalSlots = 64;

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
    const char* text = nullptr;
    if (const std::size_t length = TakeCrashNote(text); length > 0) {
        ssize_t written = ::write(STDERR_FILENO, text, length);
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

}  // namespace platform
