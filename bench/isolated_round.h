// One round of one case measured in a process of its own: a child forked for
// the round makes the case's bodies (and the grid they run on), measures its
// pairs and hands them back through a pipe. No case then runs in memory that
// another case's leftovers have shaped: in one shared process the heap's free
// blocks and the place of each body's lists depended on every case before,
// and two ratios moved by up to 0.2 from one run to the next.
#pragma once

#include "bench/bench_cases.h"
#include "bench/paired_ratio.h"

namespace bench {

// AddPairs for `benchCase` at `faces` faces, in a child process; the parent
// makes nothing of the case. Returns false, with the reason on the error
// output, when the child could not be started or did not hand back its
// pairs (it threw, crashed or was killed); `samples` is then as it was.
bool AddPairsInChild(const BenchCase& benchCase, int faces, const PairingPlan& plan,
                     PairSamples& samples);

}  // namespace bench
