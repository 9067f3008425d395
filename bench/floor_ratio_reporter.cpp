// The ratio table printed after the benchmarks.
#include "bench/floor_ratio_reporter.h"

#include <cstdio>

namespace bench {

namespace {
constexpr const char* kFloorSuffix = "Floor";
}  // namespace

void FloorRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        const auto faces = run.counters.find("faces");
        if (faces == run.counters.end()) continue;
        const double scale = benchmark::GetTimeUnitMultiplier(run.time_unit);
        // The fastest repetition: the machine's other load only ever adds time.
        const double time = run.GetAdjustedCPUTime() / scale * 1e9;
        const auto [entry, added] =
            times_.try_emplace({run.run_name.function_name, static_cast<long long>(faces->second.value)}, time);
        if (!added && time < entry->second) entry->second = time;
    }
}

void FloorRatioReporter::Finalize() {
    benchmark::ConsoleReporter::Finalize();
    std::printf("\n%-24s %9s %14s %14s %8s\n", "operation", "faces", "ns/face", "floor ns/face", "ratio");
    for (const auto& [key, time] : times_) {
        const auto& [name, faces] = key;
        if (name.size() >= 5 && name.compare(name.size() - 5, 5, kFloorSuffix) == 0) continue;
        const auto floor = times_.find({name + kFloorSuffix, faces});
        if (floor == times_.end() || floor->second <= 0.0) continue;
        const double perFace = faces > 0 ? static_cast<double>(faces) : 1.0;
        std::printf("%-24s %9lld %14.2f %14.2f %8.2f\n", name.c_str(), faces, time / perFace,
                    floor->second / perFace, time / floor->second);
    }
    std::fflush(stdout);
}

}  // namespace bench
