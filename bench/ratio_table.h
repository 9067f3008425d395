// The one table tools/bench.sh prints: per operation and grid size, the
// paired time ratio to the floor with its spread and the number of pairs, and
// the ratio of the instructions the two execute (from callgrind's counts).
// Rows are printed as they are measured; the notes and the agreement check
// come at the end.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "bench/paired_ratio.h"

namespace bench {

// Instructions per counted execution, by CountLabel, read from a file of
// "label count" lines (tools/callgrind-counts.awk writes it). An empty path
// or a missing file gives no counts: the column stays empty.
std::map<std::string, double> ReadInstructionCounts(const std::string& path);

class RatioTable {
public:
    // `agreeWithin`: the largest difference between the time ratio and the
    // instruction ratio accepted at `checkedFaces`.
    RatioTable(std::map<std::string, double> counts, double agreeWithin, long long checkedFaces);

    void PrintHeader() const;
    void PrintRow(const std::string& name, long long faces, const PairedRatio& measured);
    // The notes on wide spreads, moved machines and disagreements; false if any operation
    // disagreed at the checked size.
    bool PrintVerdict() const;

private:
    // Operation over floor instructions, or 0 without both counts.
    double InstructionRatio(const std::string& name, long long faces) const;

    std::map<std::string, double> counts_;
    double agreeWithin_;
    long long checkedFaces_;
    std::vector<std::string> wide_;
    std::vector<std::string> moved_;
    std::vector<std::string> disagreeing_;
};

}  // namespace bench
