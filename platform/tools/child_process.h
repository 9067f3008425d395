// Runs another program and waits for it, for the validator that runs each
// scenario in a fresh process. Not part of the plug-in.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct ChildOutcome {
    bool started = false;  // the program could be run at all
    bool crashed = false;  // it ended by a signal or an exception, not by exit
    int exitCode = 0;      // its exit code when it exited
    std::string how;       // "exit 1", "signal 11 (Segmentation fault)", ...
};

// Runs `arguments` (the program first) with this process's output streams
// and waits for its end.
ChildOutcome RunChild(const std::vector<std::string>& arguments);

}  // namespace platform
