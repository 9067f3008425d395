// Runs the benchmarks against the lean host, with the host table filled as
// MQInit fills it, and ends with the ratio of each operation to its floor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "bench/bench_meshes.h"
#include "bench/floor_ratio_reporter.h"
#include "bench/lean_host/lean_model.h"
#include "host/host_api.h"

int main(int argc, char** argv) {
    if (host::ResolveHostFunctions(lean::ModulePath().c_str()) != 1) {
        std::fprintf(stderr, "the lean host's functions could not be resolved\n");
        return 1;
    }
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
