// A console reporter that, after the usual table, prints each operation's
// time as a ratio to its floor ("<Name>Floor", the host calls alone) per mesh
// size, and the time per face, so that growth with the mesh shows at once.
// Times are CPU times, the least of the repetitions.
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
    // (operation name, faces) -> CPU nanoseconds per iteration, the least of
    // the repetitions.
    std::map<std::pair<std::string, long long>, double> times_;
};

}  // namespace bench
