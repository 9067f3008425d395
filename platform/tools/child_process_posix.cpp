// Linux: fork and exec, then the wait status.
#include "platform/tools/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace platform {

ChildOutcome RunChild(const std::vector<std::string>& arguments) {
    ChildOutcome outcome;
    if (arguments.empty()) return outcome;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return outcome;
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return outcome;
    outcome.started = true;
    if (WIFSIGNALED(status)) {
        outcome.crashed = true;
        outcome.how =
            "signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    } else {
        outcome.exitCode = WEXITSTATUS(status);
        outcome.how = "exit " + std::to_string(outcome.exitCode);
        if (outcome.exitCode == 127) outcome.started = false;
    }
    return outcome;
}

}  // namespace platform
