// Fault injection at every point: the user session runs once to count the
// host's calls at each fault point, then once for each counted call with
// that call refused. Each run ends with the exit and the unload, after which
// no breach, widget or drawing object may be left.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "simhost/faults/fault_points.h"
#include "validation_harness/run_report.h"

namespace validation {

// One run of the session with one call refused.
struct FaultRun {
    sim::FaultPoint point{};
    int ordinal = 0;
    bool refused = false;  // the refused call came (a fault may change the calls after it)
    RunReport report;
};

// Counts the calls at every fault point in one clean run of the session.
// `path`: the module (empty: a linked plug-in, see sim::PluginModule::Link).
// The clean run's own breaches go to `clean`.
sim::FaultCounts CountFaultPoints(sim::PluginModule& plugin, const std::string& path,
                                  RunReport& clean);
// The session with call `ordinal` at `point` refused.
FaultRun RunWithFault(sim::PluginModule& plugin, const std::string& path, sim::FaultPoint point,
                      int ordinal);
// Runs every counted call of `point` refused in turn; `onRun` sees each run
// as it ends (and may stop the sweep by returning false).
void SweepFaultPoint(sim::PluginModule& plugin, const std::string& path, sim::FaultPoint point,
                     int count, const std::function<bool(const FaultRun&)>& onRun);

}  // namespace validation
