// Breaches of the host contract that the simulated host has seen. Every
// end-to-end test ends by asserting that there are none.
#pragma once

#include <string>
#include <vector>

namespace sim {

// Records a breach; `what` says what went wrong where.
void ReportViolation(std::string what);
// Records a call of a host function that the plug-in must not call (or that
// the simulated host does not model).
void ReportUnexpectedCall(const char* functionName);
// Every breach recorded since the last ClearViolations, oldest first.
const std::vector<std::string>& Violations();
// All breaches, one per line, for a test's failure message.
std::string ViolationReport();
void ClearViolations();

}  // namespace sim
