// Allocation failure at every point: the plug-in's test build counts its own
// allocations over a user's session, then the session runs once per counted
// allocation with that one failing. The operation it fails in must change
// nothing (slots, flags, selection, toggles, settings), the host must see no
// breach, and the session must end as it does without that operation.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "validation_harness/allocation_controls.h"
#include "validation_harness/allocation_sweep.h"

namespace {

using validation::AllocationRun;

// Every allocation fails in turn below this many; above, a seeded sample.
constexpr std::int64_t kEveryBelow = 50000;
constexpr std::int64_t kSample = 5000;

std::uint64_t Seed() {
    const char* given = std::getenv("TACKPIN_ALLOCATION_SEED");
    return given != nullptr ? std::strtoull(given, nullptr, 10) : 1;
}

class AllocationSweep : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        validation::SessionPlan plan;
        plan.snapshotEveryStep = true;
        clean = validation::RunAllocationSession(plugin(), path(), plan);
    }
    static sim::PluginModule& plugin() {
        static sim::PluginModule module;
        return module;
    }
    static std::string path() { return validation::AllocationTestModulePath(); }
    // The session without the operation of `step`, run once.
    static const AllocationRun& Without(int step) {
        static std::map<int, AllocationRun> runs;
        auto found = runs.find(step);
        if (found == runs.end())
            found = runs.emplace(step, validation::RunAllocationSession(plugin(), path(),
                                                                        {.without = step}))
                        .first;
        return found->second;
    }
    // The step in which the clean run made allocation `ordinal`.
    static int StepOf(std::int64_t ordinal) {
        for (std::size_t i = 0; i < clean.stepEnds.size(); ++i)
            if (clean.stepEnds[i] > ordinal) return static_cast<int>(i);
        return -1;
    }

    static inline AllocationRun clean;
};

TEST_F(AllocationSweep, TheCountingRunIsCleanAndEveryOperationAllocates) {
    ASSERT_TRUE(clean.report.Clean()) << clean.report.Text();
    ASSERT_EQ(clean.stepEnds.size(), validation::AllocationSession().size());
    std::int64_t last = 0;
    std::string quiet;
    for (std::size_t i = 0; i < clean.stepEnds.size(); ++i) {
        const char* name = validation::AllocationSession()[i].name;
        std::printf("[ alloc    ] %-32s %6lld allocations\n", name,
                    static_cast<long long>(clean.stepEnds[i] - last));
        last = clean.stepEnds[i];
    }
    EXPECT_GT(clean.allocations, 0);
    // Each store, recall, refresh, colour, start and exit is swept.
    for (int step : {0, 3, 5, 6, 9, 10, 12, 32, 33})
        EXPECT_GT(clean.stepEnds[step], step > 0 ? clean.stepEnds[step - 1] : 0)
            << validation::AllocationSession()[step].name << " allocates nothing to fail";
}

TEST_F(AllocationSweep, ASessionWithoutAnOperationGoesOtherwise) {
    // The reference the sweep compares with tells an operation from none.
    for (int step : {3, 6, 10, 12}) {
        EXPECT_FALSE(Without(step).after[static_cast<std::size_t>(step)] ==
                     clean.after[static_cast<std::size_t>(step)])
            << validation::AllocationSession()[static_cast<std::size_t>(step)].name;
    }
    // Settings the exit saved are put back in the session without it.
    EXPECT_FALSE(Without(32).after[32].settings == clean.after[32].settings);
    EXPECT_TRUE(Without(32).after[32].plugin == clean.after[32].plugin);
}

TEST_F(AllocationSweep, EachFailedAllocationChangesNothingAndTheSessionGoesOn) {
    ASSERT_TRUE(clean.report.Clean()) << clean.report.Text();
    const std::uint64_t seed = Seed();
    const std::vector<std::int64_t> ordinals =
        validation::AllocationsToFail(clean.allocations, kEveryBelow, kSample, seed);
    if (clean.allocations < kEveryBelow)
        std::printf("[ alloc    ] %lld allocation points counted; failing every one in turn\n",
                    static_cast<long long>(clean.allocations));
    else
        std::printf("[ alloc    ] %lld allocation points counted; failing %zu of them, seed %llu\n",
                    static_cast<long long>(clean.allocations), ordinals.size(),
                    static_cast<unsigned long long>(seed));
    std::string failures;
    int failed = 0;
    std::map<std::string, int> byStep;
    for (std::int64_t ordinal : ordinals) {
        const AllocationRun run =
            validation::RunAllocationSession(plugin(), path(), {.failAt = ordinal});
        std::vector<std::string> problems;
        if (run.failedStep != StepOf(ordinal)) {
            problems.push_back("failed in step " + std::to_string(run.failedStep) +
                               ", counted in step " + std::to_string(StepOf(ordinal)));
        } else {
            problems = validation::CheckFailedRun(run, clean, Without(run.failedStep));
        }
        if (problems.empty()) continue;
        ++byStep[run.failedStep >= 0
                     ? validation::AllocationSession()[static_cast<std::size_t>(run.failedStep)]
                           .name
                     : "none"];
        // The first few in full; the rest counted by step.
        if (++failed <= 3) {
            failures += "allocation #" + std::to_string(ordinal) + " failed:\n";
            for (const std::string& problem : problems) failures += "  " + problem + "\n";
        }
    }
    for (const auto& [step, count] : byStep)
        failures += "failing in \"" + step + "\": " + std::to_string(count) + " allocations\n";
    EXPECT_EQ(failed, 0) << failures;
}

}  // namespace
