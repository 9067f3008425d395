// The ratio of an operation's time to its floor's, measured in pairs: the two
// run alternately in one loop, so that each pair sees the same moment of a
// shared machine, and the figure is the median of the pairs' own ratios.
#pragma once

#include <vector>

#include "bench/bench_cases.h"

namespace bench {

// The median and the quartiles of a set of values (linear interpolation
// between the nearest ranks). All three are zero for an empty set.
struct Quartiles {
    double q1 = 0.0;
    double median = 0.0;
    double q3 = 0.0;

    // The interquartile range over the median: how far the middle half of
    // the values lies apart, as a share of the figure.
    double RelativeSpread() const { return median > 0.0 ? (q3 - q1) / median : 0.0; }
};
Quartiles QuartilesOf(std::vector<double> values);

// How long a paired measurement goes on: at least `minPairs` pairs and at
// least `minSeconds` of both sides' timed time together. Each side of a pair
// runs its body often enough to take at least `minSideSeconds`, so that short
// operations are not measured at the clock's grain.
//
// With `warmSides`, each side first runs its body once untimed, so that the
// timed executions find the caches as the body's own last execution left
// them, as in a loop of that body alone. Without, each side starts from what
// the other body left: at a million faces its walk over the mesh has pushed
// the operation's own working memory out of the cache.
struct PairingPlan {
    int minPairs = 135;
    double minSeconds = 3.0;
    double minSideSeconds = 0.002;
    bool warmSides = true;
};

struct PairedRatio {
    Quartiles ratio;            // operation time over floor time, per pair
    int pairs = 0;              // pairs the ratio rests on
    int executionsPerSide = 0;  // executions of each body per side of a pair
    double operationNs = 0.0;   // median time of one execution of the operation
    double floorNs = 0.0;       // median time of one execution of the floor
    double seconds = 0.0;       // CPU time the pairs took, both sides
    // The floor's slowest round over its fastest (1 for one round): how far
    // the machine's own speed moved while the figure was gathered. The
    // floor's code is the same every round, so only the machine moves it.
    double floorDrift = 1.0;
};

// The pairs measured so far for one operation and its floor. A run measures
// each operation in several rounds, between which it measures the others,
// and adds each round's pairs here: the figure then rests on moments spread
// over the whole run, not on the few seconds one round takes.
struct PairSamples {
    std::vector<double> ratios;        // operation time over floor time, per pair
    std::vector<double> operationNs;   // one execution of the operation, per pair
    std::vector<double> floorNs;       // one execution of the floor, per pair
    double seconds = 0.0;              // CPU time the pairs took, both sides
    int executionsPerSide = 0;         // as the last round found it
    std::vector<double> roundFloorNs;  // the floor's median time, per round
};

// Runs `operation` and `floor` in pairs and adds them to `samples`, as many
// as the plan asks for this round. Pairs take turns going first: operation
// first when `samples` holds an even number of pairs, floor first otherwise.
// One untimed execution of each, first, tells how many make a side.
// Times are the thread's CPU time: time the machine gives to others is not
// counted, though what they do to the caches is.
void AddPairs(const Body& operation, const Body& floor, const PairingPlan& plan,
              PairSamples& samples);
// The figure of the pairs gathered.
PairedRatio Summarize(const PairSamples& samples);
// One round alone: AddPairs into empty samples, summarised.
PairedRatio MeasurePaired(const Body& operation, const Body& floor, const PairingPlan& plan);

}  // namespace bench
