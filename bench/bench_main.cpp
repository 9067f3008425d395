// Runs the benchmarks against the lean host, with the host table filled as
// MQInit fills it. By default Google Benchmark's runs, ending with the ratio
// of each operation to its floor; with --paired, operation and floor in pairs
// (paired_runner.h); with --count, the instruction counts under callgrind
// (instruction_count.h).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_meshes.h"
#include "bench/floor_ratio_reporter.h"
#include "bench/instruction_count.h"
#include "bench/lean_host/lean_model.h"
#include "bench/paired_runner.h"
#include "host/host_api.h"

namespace {

// The value of "--name=value" in `arg`, or nullptr for another argument.
const char* ValueOf(const char* arg, const char* name) {
    const std::size_t length = std::strlen(name);
    return std::strncmp(arg, name, length) == 0 && arg[length] == '=' ? arg + length + 1 : nullptr;
}

// "a,b,c" as {"a", "b", "c"}.
std::vector<std::string> SplitNames(const std::string& list) {
    std::vector<std::string> names;
    std::istringstream in(list);
    for (std::string name; std::getline(in, name, ',');)
        if (!name.empty()) names.push_back(name);
    return names;
}

int RunPairedMode(int argc, char** argv) {
    // Large blocks that one operation frees stay in the heap for the next:
    // the mapping threshold pinned at its highest, the heap never trimmed.
    // Left to itself, glibc raises the threshold only after the first large
    // free, so whether an operation found its memory already faulted in
    // depended on what ran before it, and the store's ratio came out in two
    // modes from run to run. The page faults of memory taken afresh are thus
    // left out of the table; docs/performance.md says what they cost.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    bench::PairedRunOptions options;
    for (int i = 2; i < argc; ++i) {
        if (const char* value = ValueOf(argv[i], "--min-time")) {
            options.plan.minSeconds = std::atof(value);
        } else if (const char* pairs = ValueOf(argv[i], "--min-pairs")) {
            options.plan.minPairs = std::atoi(pairs);
        } else if (const char* rounds = ValueOf(argv[i], "--rounds")) {
            options.rounds = std::atoi(rounds);
        } else if (const char* file = ValueOf(argv[i], "--instructions")) {
            options.instructionsFile = file;
        } else if (const char* within = ValueOf(argv[i], "--agree-within")) {
            options.agreeWithin = std::atof(within);
        } else if (const char* names = ValueOf(argv[i], "--only")) {
            options.only = SplitNames(names);
        } else if (std::strcmp(argv[i], "--cold") == 0) {
            options.plan.warmSides = false;
        } else {
            std::fprintf(stderr,
                         "%s: unknown argument; --paired takes --min-time=SECONDS, "
                         "--min-pairs=N, --rounds=N, --instructions=FILE, --agree-within=RATIO, "
                         "--only=NAME,... and --cold\n",
                         argv[i]);
            return 2;
        }
    }
    return bench::RunPaired(options);
}

}  // namespace

int main(int argc, char** argv) {
    if (host::ResolveHostFunctions(lean::ModulePath().c_str()) != 1) {
        std::fprintf(stderr, "the lean host's functions could not be resolved\n");
        return 1;
    }
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--paired") return RunPairedMode(argc, argv);
    if (mode == "--count") return bench::CountInstructions();
    // Short runs, five repetitions each (the ratios take the fastest); flags
    // given on the command line come later and win.
    std::vector<char*> args(argv, argv + argc);
    char minTime[] = "--benchmark_min_time=0.1";
    char repetitions[] = "--benchmark_repetitions=5";
    args.insert(args.begin() + 1, {minTime, repetitions});
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    // Size by size, smallest first, so that the process's peak memory after a
    // size is that size's.
    for (int faces : bench::GridSizes()) {
        bench::RegisterMarkerBenchmarks(faces);
        bench::RegisterOverlayBenchmarks(faces);
    }
    bench::RegisterHostCallBenchmarks();
    bench::RegisterMemoryBenchmarks();
    bench::FloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
