// Runs a session from a script file or at the interactive prompt, and turns
// what went wrong into the message and the exit status the user gets.
#pragma once

#include <string>

#include "session_engine/line_input/line_input.h"
#include "session_engine/session/session.h"

namespace host_tool {

// Exit statuses of tackpin-host: all went well; a command failed, an expect
// differed, or a file was missing or malformed; the plug-in breached the
// host contract.
constexpr int kStatusOk = 0;
constexpr int kStatusFailed = 1;
constexpr int kStatusBreach = 2;

// Runs the script line by line and stops at the first failure, with a
// message naming the file and line. "-" reads the script from standard input.
// The host is closed at the end either way. Returns the exit status.
int RunScript(Session& session, const std::string& path);
// Runs commands typed at the prompt until "quit" or the end of the input;
// a failure prints its message and the prompt goes on. Returns the status of
// closing the host.
int RunPrompt(Session& session, LineInput& input);

}  // namespace host_tool
