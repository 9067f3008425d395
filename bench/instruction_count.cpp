// The counted executions, between callgrind's client requests.
#include "bench/instruction_count.h"

#include <valgrind/callgrind.h>
#include <valgrind/valgrind.h>

#include <chrono>
#include <cstdio>

#include "bench/bench_meshes.h"

namespace bench {

namespace {

// One warm-up, then one execution counted from zero and dumped on its own.
void CountOnce(const Body& body, const std::string& label) {
    body();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    body();
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT(label.c_str());
}

}  // namespace

int CountInstructions() {
    if (RUNNING_ON_VALGRIND == 0) {
        std::fprintf(stderr,
                     "--count needs valgrind --tool=callgrind --collect-atstart=no "
                     "--instr-atstart=no (tools/bench.sh runs it so)\n");
        return 1;
    }
    for (int faces : GridSizes()) {
        const auto start = std::chrono::steady_clock::now();
        for (const BenchCase& benchCase : AllCases()) {
            // Building the grid and the floors' plans runs uninstrumented,
            // several times faster than under the counting.
            const Body operation = benchCase.makeOperation(faces);
            const Body floor = benchCase.makeFloor(faces);
            CALLGRIND_START_INSTRUMENTATION;
            CountOnce(operation, CountLabel(benchCase.name, faces, false));
            CountOnce(floor, CountLabel(benchCase.name, faces, true));
            CALLGRIND_STOP_INSTRUMENTATION;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::fprintf(stderr, "counted %d faces in %.0f s under callgrind\n", faces, took.count());
    }
    return 0;
}

}  // namespace bench
