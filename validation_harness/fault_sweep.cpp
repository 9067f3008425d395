#include "validation_harness/fault_sweep.h"

#include "validation_harness/user_session.h"

namespace validation {

namespace {
RunReport RunSession(sim::PluginModule& plugin, const std::string& path,
                     const std::function<void()>& plan) {
    RunReport report;
    if (!StartHost(plugin, path, report)) return report;
    plan();
    Stage stage(plugin);
    RunUserSession(stage);
    return EndHost(plugin);
}
}  // namespace

sim::FaultCounts CountFaultPoints(sim::PluginModule& plugin, const std::string& path,
                                  RunReport& clean) {
    sim::FaultCounts counts{};
    clean = RunSession(plugin, path, [] {});
    counts = sim::FaultPoints().Counts();
    return counts;
}

FaultRun RunWithFault(sim::PluginModule& plugin, const std::string& path, sim::FaultPoint point,
                      int ordinal) {
    FaultRun run;
    run.point = point;
    run.ordinal = ordinal;
    run.report = RunSession(plugin, path, [&] { sim::FaultPoints().RefuseCall(point, ordinal); });
    run.refused = sim::FaultPoints().Refused() > 0;
    return run;
}

void SweepFaultPoint(sim::PluginModule& plugin, const std::string& path, sim::FaultPoint point,
                     int count, const std::function<bool(const FaultRun&)>& onRun) {
    for (int ordinal = 0; ordinal < count; ++ordinal) {
        if (!onRun(RunWithFault(plugin, path, point, ordinal))) return;
    }
}

}  // namespace validation
