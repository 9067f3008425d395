// Fault injection at every point: the user session once to count the host's
// calls at each fault point, then once for each of those calls refused.
// Every run must end with no breach, no widget and no drawing object left.
#include <gtest/gtest.h>

#include <cstdio>

#include "simhost/plugin_module.h"
#include "validation_harness/fault_sweep.h"

namespace {

using validation::FaultRun;
using validation::RunReport;

class FaultSweep : public ::testing::TestWithParam<sim::FaultPoint> {
protected:
    static void SetUpTestSuite() {
        sim::PluginModule plugin;
        counts = validation::CountFaultPoints(plugin, sim::DefaultPluginPath(), clean);
    }

    static inline sim::FaultCounts counts{};
    static inline RunReport clean;
};

TEST_F(FaultSweep, TheCountingRunIsCleanAndReachesEveryPoint) {
    EXPECT_TRUE(clean.Clean()) << clean.Text();
    for (int i = 0; i < sim::kFaultPointCount; ++i)
        EXPECT_GT(counts[static_cast<std::size_t>(i)], 0)
            << sim::FaultPointName(static_cast<sim::FaultPoint>(i));
}

TEST_P(FaultSweep, EachRefusedCallLeavesTheHostClean) {
    const sim::FaultPoint point = GetParam();
    const int count = counts[static_cast<std::size_t>(point)];
    std::string failures;
    int refused = 0;
    sim::PluginModule plugin;
    validation::SweepFaultPoint(plugin, sim::DefaultPluginPath(), point, count,
                                [&](const FaultRun& run) {
                                    if (run.refused) ++refused;
                                    if (!run.report.Clean())
                                        failures += "call #" + std::to_string(run.ordinal) +
                                                    " refused:\n" + run.report.Text("    ");
                                    return true;
                                });
    std::printf("[ fault    ] %s: %d calls counted, %d refused in turn\n",
                sim::FaultPointName(point), count, refused);
    EXPECT_EQ(refused, count) << "every counted call comes again in the same place";
    EXPECT_EQ(failures, "");
}

std::string PointName(const ::testing::TestParamInfo<sim::FaultPoint>& info) {
    std::string name;
    bool upper = true;
    for (const char* c = sim::FaultPointName(info.param); *c != '\0'; ++c) {
        if (*c == ' ') {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(*c - 'a' + 'A') : *c;
        upper = false;
    }
    return name;
}

std::vector<sim::FaultPoint> AllPoints() {
    std::vector<sim::FaultPoint> points;
    for (int i = 0; i < sim::kFaultPointCount; ++i)
        points.push_back(static_cast<sim::FaultPoint>(i));
    return points;
}

INSTANTIATE_TEST_SUITE_P(EveryPoint, FaultSweep, ::testing::ValuesIn(AllPoints()), PointName);

}  // namespace
