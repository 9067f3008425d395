// The paired mode of tackpin_bench: every operation and its floor measured
// in pairs at every grid size, printed as one table with the instruction
// ratios counted before (tools/bench.sh).
#pragma once

#include <string>
#include <vector>

#include "bench/paired_ratio.h"

namespace bench {

struct PairedRunOptions {
    // What each figure rests on in all: the pairs and time of `plan` are
    // shared out over the rounds.
    PairingPlan plan;
    // Each size's cases are measured in turn this many times over, each
    // time for its share of the pairs, so that every figure samples the
    // whole stretch of time the size takes rather than a few seconds of it.
    // Each round is a child process of its own: nine of them average over
    // nine processes' places in memory as well.
    int rounds = 9;
    // "label count" lines from the callgrind run; empty for none.
    std::string instructionsFile;
    // The largest accepted difference of the two ratios at a million faces.
    double agreeWithin = 0.35;
    // Only the cases of these names; every case when empty.
    std::vector<std::string> only;
};

// Returns the process's exit status: 1 when the ratios disagree, 2 when --only
// names no case or a
// case's child process failed.
int RunPaired(const PairedRunOptions& options);

}  // namespace bench
