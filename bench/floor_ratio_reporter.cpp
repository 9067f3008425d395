// The summary tables printed after the benchmarks.
#include "bench/floor_ratio_reporter.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace bench {

namespace {
constexpr const char* kFloorSuffix = "Floor";
constexpr const char* kBytesPrefix = "bytes_per_";
// Growth is shown from each of these sizes to the next, ten times larger.
constexpr long long kGrowthSteps[] = {100000, 1000000};

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
            const auto size = static_cast<long long>(faces->second.value);
            KeepLeast(times_, std::pair{name, size}, time);
            for (const char* counter : {"peak_mib", "slots_mib", "kept_mib"}) {
                const auto found = run.counters.find(counter);
                if (found == run.counters.end()) continue;
                double& largest = sizeMiB_[size][counter];
                largest = std::max(largest, found->second.value);
            }
        }
    }
}

void FloorRatioReporter::Finalize() {
    benchmark::ConsoleReporter::Finalize();
    PrintRatios();
    PrintGrowth();
    PrintPeakMemory();
    PrintHostCalls();
    PrintMemory();
    std::fflush(stdout);
}

void FloorRatioReporter::PrintRatios() const {
    if (times_.empty()) return;
    std::printf("\n%-24s %9s %14s %14s %8s\n", "operation", "faces", "ns/face", "floor ns/face",
                "ratio");
    for (const auto& [key, time] : times_) {
        const auto& [name, faces] = key;
        if (IsFloor(name)) continue;
        const auto floor = times_.find({name + kFloorSuffix, faces});
        if (floor == times_.end() || floor->second <= 0.0) continue;
        const double perFace = faces > 0 ? static_cast<double>(faces) : 1.0;
        std::printf("%-24s %9lld %14.2f %14.2f %8.2f\n", name.c_str(), faces, time / perFace,
                    floor->second / perFace, time / floor->second);
    }
}

void FloorRatioReporter::PrintGrowth() const {
    // Growth: time at ten times the faces over time at the smaller size
    // (linear: 10), for the operation and its floor.
    const auto growth = [&](const std::string& name, long long from) {
        const auto low = times_.find({name, from});
        const auto high = times_.find({name, from * 10});
        return low != times_.end() && high != times_.end() && low->second > 0.0
                   ? high->second / low->second
                   : 0.0;
    };
    std::set<std::string> operations;
    for (const auto& [key, time] : times_) {
        if (!IsFloor(key.first) && times_.count({key.first + kFloorSuffix, key.second}) != 0)
            operations.insert(key.first);
    }
    for (long long from : kGrowthSteps) {
        bool header = false;
        for (const std::string& name : operations) {
            if (growth(name, from) <= 0.0) continue;
            if (!header) {
                std::printf("\n%-24s %12s %14s   (%lld to %lld faces)\n", "operation", "growth",
                            "floor growth", from, from * 10);
            }
            header = true;
            std::printf("%-24s %12.2f %14.2f\n", name.c_str(), growth(name, from),
                        growth(name + kFloorSuffix, from));
        }
    }
}

void FloorRatioReporter::PrintPeakMemory() const {
    if (sizeMiB_.empty()) return;
    std::printf("\n%-10s %18s %16s %20s\n", "faces", "process peak MiB", "3 slots MiB",
                "kept by passes MiB");
    for (const auto& [faces, counters] : sizeMiB_) {
        const auto value = [&](const char* name) {
            const auto found = counters.find(name);
            return found != counters.end() ? found->second : 0.0;
        };
        std::printf("%-10lld %18.1f %16.1f %20.1f\n", faces, value("peak_mib"), value("slots_mib"),
                    value("kept_mib"));
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
