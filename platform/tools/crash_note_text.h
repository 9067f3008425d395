// Between the crash note's store and the platforms' crash handlers: the
// handler takes the note once, whatever crashes after it.
#pragma once

#include <cstddef>

namespace platform {

// The note's bytes at `text` and their count; 0 once taken, or when none is
// set.
std::size_t TakeCrashNote(const char*& text);

}  // namespace platform
