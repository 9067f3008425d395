// A last word before the process dies of a crash: a program names what it
// was doing (the script line it was carrying out), and a crash writes that
// to the error output beside the system's or a sanitizer's own report.
// Not part of the plug-in.
#pragma once

#include <string>

namespace platform {

// Installs the crash handler, once; keeps whatever handler was there before
// (a sanitizer's) and runs it after the note.
void InstallCrashNote();

// The line a crash from now on writes (ended by a line feed, cut at 1000
// bytes); empty: nothing is written.
void SetCrashNote(const std::string& text);

}  // namespace platform
