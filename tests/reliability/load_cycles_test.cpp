// Load cycles: a thousand loads, starts, activations, draws, exits and
// unloads of the module, after which nothing has grown.
#include <gtest/gtest.h>

#include <cstdio>

#include "simhost/plugin_module.h"
#include "validation_harness/load_cycles.h"

namespace {

constexpr int kCycles = 1000;

TEST(LoadCycles, AThousandCyclesLeaveNothingBehind) {
    sim::PluginModule plugin;
    const validation::LoadCycleSummary summary =
        validation::RunLoadCycles(plugin, sim::DefaultPluginPath(), kCycles);
    ASSERT_EQ(summary.cycles, kCycles) << "cycle " << summary.failedCycle << ":\n"
                                       << summary.failure.Text();
    // The twelve settings keys, no more after a thousand saves.
    EXPECT_EQ(summary.firstSettingKeys, 12);
    EXPECT_EQ(summary.lastSettingKeys, summary.firstSettingKeys);
    if (!summary.heap.empty()) {
        std::printf(
            "[ cycles   ] %d cycles; heap in use %lld bytes at the second, %lld at the last; grew "
            "in %d cycles\n",
            summary.cycles, static_cast<long long>(summary.heap[1]),
            static_cast<long long>(summary.heap.back()), summary.growingCycles);
    }
    EXPECT_FALSE(summary.HeapGrows())
        << "the heap grew in " << summary.growingCycles << " of " << summary.cycles << " cycles";
}

}  // namespace
