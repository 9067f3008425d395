// Measuring every case, size by size, smallest first.
#include "bench/paired_runner.h"

#include "bench/bench_meshes.h"
#include "bench/ratio_table.h"

namespace bench {

namespace {
// The size at which the two ratios must agree.
constexpr long long kCheckedFaces = 1000000;
}  // namespace

int RunPaired(const PairedRunOptions& options) {
    RatioTable table(ReadInstructionCounts(options.instructionsFile), options.agreeWithin,
                     kCheckedFaces);
    table.PrintHeader();
    for (int faces : GridSizes()) {
        for (const BenchCase& benchCase : AllCases()) {
            const Body operation = benchCase.makeOperation(faces);
            const Body floor = benchCase.makeFloor(faces);
            table.PrintRow(benchCase.name, faces, MeasurePaired(operation, floor, options.plan));
        }
    }
    return table.PrintVerdict() ? 0 : 1;
}

}  // namespace bench
