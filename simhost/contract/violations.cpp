#include "simhost/contract/violations.h"

namespace sim {

namespace {
std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}
}  // namespace

void ReportViolation(std::string what) { Log().push_back(std::move(what)); }

void ReportUnexpectedCall(const char* functionName) {
    ReportViolation(std::string("unexpected call: ") + functionName);
}

const std::vector<std::string>& Violations() { return Log(); }

std::string ViolationReport() {
    std::string report;
    for (const std::string& line : Log()) report += line + "\n";
    return report;
}

void ClearViolations() { Log().clear(); }

}  // namespace sim
