// A console reporter that, after the usual table, prints the summary the
// performance notes are made from: each operation's time per face beside its
// floor ("<Name>Floor", the host calls alone) per mesh size, its ratio to the
// floor, its growth from 100 thousand to a million faces (and on to ten
// million); the process's peak memory after each size; the lean host's cost
// per call; and the bytes a marker slot holds per element. Times are CPU
// times, the least of the repetitions.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>

namespace bench {

class FloorRatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the table is read from logs as often as from a terminal.
    FloorRatioReporter() : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    void PrintRatios() const;
    void PrintGrowth() const;
    void PrintPeakMemory() const;
    void PrintHostCalls() const;
    void PrintMemory() const;

    // (operation name, faces) -> CPU nanoseconds per iteration, the least of
    // the repetitions.
    std::map<std::pair<std::string, long long>, double> times_;
    // Host call benchmark -> nanoseconds per call, the least of the repetitions.
    std::map<std::string, double> callTimes_;
    // Counter name ("bytes_per_edge" ...) -> value.
    std::map<std::string, double> memory_;
    // Faces -> counter ("peak_mib", "slots_mib", "kept_mib") -> its largest
    // value at that size.
    std::map<long long, std::map<std::string, double>> sizeMiB_;
};

}  // namespace bench
