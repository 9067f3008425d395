// The paired mode of tackpin_bench: every operation and its floor measured
// in pairs at every grid size, printed as one table with the instruction
// ratios counted before (tools/bench.sh).
#pragma once

#include <string>

#include "bench/paired_ratio.h"

namespace bench {

struct PairedRunOptions {
    PairingPlan plan;
    // "label count" lines from the callgrind run; empty for none.
    std::string instructionsFile;
    // The largest accepted difference of the two ratios at a million faces.
    double agreeWithin = 0.35;
};

// Returns the process's exit status: 1 when the ratios disagree.
int RunPaired(const PairedRunOptions& options);

}  // namespace bench
