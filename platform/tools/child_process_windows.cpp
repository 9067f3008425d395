// Windows: CreateProcess with a quoted command line, then the exit code; an
// exception code (0xC...) means the program crashed.
#include "platform/tools/child_process.h"

#include <windows.h>

#include <cstdio>

namespace platform {

namespace {
// Quoted as the C runtime splits a command line: backslashes double only
// before a quote.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    int backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(static_cast<std::size_t>(c == '"' ? 2 * backslashes + 1 : backslashes), '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(static_cast<std::size_t>(2 * backslashes), '\\');
    return quoted + "\"";
}
}  // namespace

ChildOutcome RunChild(const std::vector<std::string>& arguments) {
    ChildOutcome outcome;
    if (arguments.empty()) return outcome;
    std::string commandLine;
    for (const std::string& argument : arguments) {
        if (!commandLine.empty()) commandLine += ' ';
        commandLine += Quoted(argument);
    }
    std::fflush(nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return outcome;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    outcome.started = true;
    char text[32];
    if ((code & 0xC0000000u) == 0xC0000000u) {
        outcome.crashed = true;
        std::snprintf(text, sizeof text, "exception 0x%08lX", static_cast<unsigned long>(code));
    } else {
        outcome.exitCode = static_cast<int>(code);
        std::snprintf(text, sizeof text, "exit %d", outcome.exitCode);
    }
    outcome.how = text;
    return outcome;
}

}  // namespace platform
