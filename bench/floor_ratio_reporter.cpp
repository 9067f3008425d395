// The summary tables printed after the benchmarks.
#include "bench/floor_ratio_reporter.h"

#include <cstdio>
#include <set>

namespace bench {

namespace {
constexpr const char* kFloorSuffix = "Floor";
constexpr const char* kBytesPrefix = "bytes_per_";
constexpr long long kGrowthFrom = 100000;
constexpr long long kGrowthTo = 1000000;

bool IsFloor(const std::string& name) {
    const std::string suffix = kFloorSuffix;
    return name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Keeps the least of the values seen under `key`: the machine's other load
// only ever adds time.
template <typename Map, typename Key>
void KeepLeast(Map& map, const Key& key, double value) {
    const auto [entry, added] = map.try_emplace(key, value);
    if (!added && value < entry->second) entry->second = value;
}
}  // namespace

void FloorRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        const double scale = benchmark::GetTimeUnitMultiplier(run.time_unit);
        const double time = run.GetAdjustedCPUTime() / scale * 1e9;
        const std::string& name = run.run_name.function_name;
        for (const auto& [counter, value] : run.counters) {
            if (counter.rfind(kBytesPrefix, 0) == 0) memory_[counter] = value.value;
        }
        if (const auto calls = run.counters.find("calls");
            calls != run.counters.end() && calls->second.value > 0) {
            KeepLeast(callTimes_, name, time / calls->second.value);
        }
        if (const auto faces = run.counters.find("faces"); faces != run.counters.end()) {
            KeepLeast(times_, std::pair{name, static_cast<long long>(faces->second.value)}, time);
        }
    }
}

void FloorRatioReporter::Finalize() {
    benchmark::ConsoleReporter::Finalize();
    PrintRatios();
    PrintHostCalls();
    PrintMemory();
    std::fflush(stdout);
}

void FloorRatioReporter::PrintRatios() const {
    if (times_.empty()) return;
    std::printf("\n%-24s %9s %14s %14s %8s\n", "operation", "faces", "ns/face", "floor ns/face",
                "ratio");
    std::set<std::string> operations;
    for (const auto& [key, time] : times_) {
        const auto& [name, faces] = key;
        if (IsFloor(name)) continue;
        const auto floor = times_.find({name + kFloorSuffix, faces});
        if (floor == times_.end() || floor->second <= 0.0) continue;
        operations.insert(name);
        const double perFace = faces > 0 ? static_cast<double>(faces) : 1.0;
        std::printf("%-24s %9lld %14.2f %14.2f %8.2f\n", name.c_str(), faces, time / perFace,
                    floor->second / perFace, time / floor->second);
    }

    // Growth: time at a million faces over time at 100 thousand (linear: 10).
    const auto growth = [&](const std::string& name) {
        const auto from = times_.find({name, kGrowthFrom});
        const auto to = times_.find({name, kGrowthTo});
        return from != times_.end() && to != times_.end() && from->second > 0.0
                   ? to->second / from->second
                   : 0.0;
    };
    bool header = false;
    for (const std::string& name : operations) {
        if (growth(name) <= 0.0) continue;
        if (!header) std::printf("\n%-24s %12s %14s\n", "operation", "growth", "floor growth");
        header = true;
        std::printf("%-24s %12.2f %14.2f\n", name.c_str(), growth(name),
                    growth(name + kFloorSuffix));
    }
}

void FloorRatioReporter::PrintHostCalls() const {
    if (callTimes_.empty()) return;
    std::printf("\n%-36s %12s\n", "lean host call", "ns/call");
    double sum = 0.0;
    for (const auto& [name, time] : callTimes_) {
        std::printf("%-36s %12.2f\n", name.c_str(), time);
        sum += time;
    }
    std::printf("%-36s %12.2f\n", "mean", sum / static_cast<double>(callTimes_.size()));
}

void FloorRatioReporter::PrintMemory() const {
    if (memory_.empty()) return;
    std::printf("\n%-36s %12s\n", "slot memory", "bytes");
    for (const auto& [name, bytes] : memory_) std::printf("%-36s %12.1f\n", name.c_str(), bytes);
}

}  // namespace bench
