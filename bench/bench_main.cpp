// Runs the benchmarks against the simulated host, with the host table filled
// as MQInit fills it, and ends with the ratio of each operation to its floor.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/floor_ratio_reporter.h"
#include "host/host_api.h"
#include "simhost/plugin_module.h"

int main(int argc, char** argv) {
    if (host::ResolveHostFunctions(sim::HostModulePath().c_str()) != 1) {
        std::fprintf(stderr, "the simulated host's functions could not be resolved\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    bench::FloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
