// The one kind of failure a session command reports: a message for the user,
// shown with the script's file and line, or at the prompt.
#pragma once

#include <stdexcept>
#include <string>

namespace host_tool {

// A command that cannot be carried out: unknown, badly written, or asking
// for something the host does not have. Nothing of the command was done
// unless the message says so.
class SessionError : public std::runtime_error {
public:
    explicit SessionError(const std::string& message) : std::runtime_error(message) {}
};

// The plug-in breached the host contract; the message is the host's report.
class ContractBreach : public std::runtime_error {
public:
    explicit ContractBreach(const std::string& report) : std::runtime_error(report) {}
};

// An `expect` line whose value differs.
class ExpectationFailed : public std::runtime_error {
public:
    explicit ExpectationFailed(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace host_tool
