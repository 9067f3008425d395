// Random whole sessions from fixed seeds: document edits, selection, panel
// clicks, answers and host events in any order keep the host's contract and
// leave nothing behind.
#include <gtest/gtest.h>

#include <cstdio>

#include "simhost/plugin_module.h"
#include "validation/random_session.h"
#include "validation/run_report.h"

namespace {

constexpr int kSessions = 60;
constexpr int kSteps = 80;

TEST(RandomSessions, SeededSessionsKeepTheContract) {
    sim::PluginModule plugin;
    int steps = 0;
    for (int seed = 1; seed <= kSessions; ++seed) {
        validation::RunReport report;
        ASSERT_TRUE(validation::StartHost(plugin, sim::DefaultPluginPath(), report))
            << report.Text();
        validation::SeededChoices choices(static_cast<std::uint64_t>(seed));
        validation::Stage stage(plugin);
        const validation::RandomSessionResult session =
            validation::RunRandomSession(stage, choices, kSteps);
        steps += session.steps;
        report = validation::EndHost(plugin);
        if (!report.Clean()) {
            std::string trail;
            for (const std::string& step : session.trail) trail += "    " + step + "\n";
            FAIL() << "seed " << seed << ", after " << session.steps << " steps:\n"
                   << trail << report.Text();
        }
    }
    std::printf("[ random   ] %d sessions, %d steps\n", kSessions, steps);
}

}  // namespace
