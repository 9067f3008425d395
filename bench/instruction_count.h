// Counting the instructions of one execution of a body under valgrind's
// callgrind (run with --collect-atstart=no --instr-atstart=no): each counted
// execution is dumped apart, under a label that names the case, the size and
// the side. Outside valgrind the requests do nothing.
#pragma once

#include <string>

#include "bench/bench_cases.h"

namespace bench {

// "StoreMarker/1000000/operation" or ".../floor": the dump's name, as the
// callgrind output's "desc: Trigger: Client Request:" line gives it back.
inline std::string CountLabel(const std::string& caseName, long long faces, bool floor) {
    return caseName + "/" + std::to_string(faces) + (floor ? "/floor" : "/operation");
}

// Counts every case at every grid size, each operation and each floor after
// one warm-up execution of its own; says on stderr how long each size took.
// Returns 1 (and counts nothing) when not run under valgrind.
int CountInstructions();

}  // namespace bench
