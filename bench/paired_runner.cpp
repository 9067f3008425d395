// Measuring every case, size by size, smallest first, each size in rounds.
#include "bench/paired_runner.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_meshes.h"
#include "bench/isolated_round.h"
#include "bench/ratio_table.h"

namespace bench {

namespace {
// The size at which the two ratios must agree.
constexpr long long kCheckedFaces = 1000000;
}  // namespace

int RunPaired(const PairedRunOptions& options) {
    RatioTable table(ReadInstructionCounts(options.instructionsFile), options.agreeWithin,
                     kCheckedFaces);
    const int rounds = std::max(options.rounds, 1);
    PairingPlan share = options.plan;
    share.minPairs = (options.plan.minPairs + rounds - 1) / rounds;
    share.minSeconds = options.plan.minSeconds / rounds;
    std::vector<BenchCase> cases = AllCases();
    if (!options.only.empty()) {
        std::erase_if(cases, [&](const BenchCase& c) {
            return std::find(options.only.begin(), options.only.end(), c.name) ==
                   options.only.end();
        });
        if (cases.empty()) {
            std::fprintf(stderr,
                         "--only names no operation; the operations are StoreMarker, "
                         "SelectMarker, DrawPass, DrawNormals, DrawNoOverwrite, "
                         "DrawNormalsNoOverwrite and NormalCaches\n");
            return 2;
        }
    }
    table.PrintHeader();
    for (int faces : GridSizes()) {
        std::vector<PairSamples> samples(cases.size());
        for (int round = 1; round <= rounds; ++round) {
            // The table's rows for a size come after its last round.
            std::fprintf(stderr, "  %d faces: round %d of %d\n", faces, round, rounds);
            // Each case's round in a process of its own (isolated_round.h).
            for (std::size_t i = 0; i < cases.size(); ++i) {
                if (!AddPairsInChild(cases[i], faces, share, samples[i])) return 2;
            }
        }
        for (std::size_t i = 0; i < cases.size(); ++i)
            table.PrintRow(cases[i].name, faces, Summarize(samples[i]));
    }
    return table.PrintVerdict() ? 0 : 1;
}

}  // namespace bench
