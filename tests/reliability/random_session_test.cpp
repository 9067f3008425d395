// Random whole sessions from fixed seeds: document edits, selection, panel
// clicks, answers and host events in any order, host events nested in the
// questions and the colour dialog among them, keep the host's contract and
// leave nothing behind. TACKPIN_RANDOM_STEPS=N runs a long campaign of at
// least N steps instead of the short one.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "simhost/plugin_module.h"
#include "validation_harness/random_session.h"
#include "validation_harness/run_report.h"

namespace {

// About a second natively under the sanitizers, CI's share for this test.
constexpr int kSessions = 45;
constexpr int kSteps = 80;
// A long campaign's sessions: long enough for exits, restarts and new
// documents to follow each other.
constexpr int kLongSteps = 400;

struct Totals {
    int sessions = 0;
    long long steps = 0;
    long long nested = 0;  // host events that came inside a question or dialog
};

// Runs the session of `seed` in a new host; false (after a failure naming
// the seed and the last steps) when the host saw a breach.
bool RunSeed(sim::PluginModule& plugin, std::uint64_t seed, int steps, Totals& totals) {
    validation::RunReport report;
    if (!validation::StartHost(plugin, sim::DefaultPluginPath(), report)) {
        ADD_FAILURE() << report.Text();
        return false;
    }
    validation::SeededChoices choices(seed);
    validation::Stage stage(plugin);
    const validation::RandomSessionResult session =
        validation::RunRandomSession(stage, choices, steps);
    ++totals.sessions;
    totals.steps += session.steps;
    totals.nested +=
        std::count_if(session.trail.begin(), session.trail.end(),
                      [](const std::string& step) { return step.rfind("inside ", 0) == 0; });
    report = validation::EndHost(plugin);
    if (report.Clean()) return true;
    std::string trail;
    const std::size_t from = session.trail.size() > 40 ? session.trail.size() - 40 : 0;
    for (std::size_t s = from; s < session.trail.size(); ++s)
        trail += "    " + session.trail[s] + "\n";
    ADD_FAILURE() << "seed " << seed << ", after " << session.steps << " steps; the last:\n"
                  << trail << report.Text();
    return false;
}

void Print(const Totals& totals) {
    std::printf("[ random   ] %d sessions, %lld steps, %lld host events nested\n", totals.sessions,
                totals.steps, totals.nested);
    std::fflush(stdout);
}

TEST(RandomSessions, SeededSessionsKeepTheContract) {
    sim::PluginModule plugin;
    Totals totals;
    for (int seed = 1; seed <= kSessions; ++seed)
        if (!RunSeed(plugin, static_cast<std::uint64_t>(seed), kSteps, totals)) return;
    Print(totals);
    EXPECT_GT(totals.nested, 0);
}

TEST(RandomSessions, LongCampaign) {
    const char* wanted = std::getenv("TACKPIN_RANDOM_STEPS");
    if (wanted == nullptr) GTEST_SKIP() << "set TACKPIN_RANDOM_STEPS to run a long campaign";
    const long long target = std::atoll(wanted);
    // Seeds apart from the short run's.
    const std::uint64_t firstSeed =
        std::getenv("TACKPIN_RANDOM_SEED")
            ? std::strtoull(std::getenv("TACKPIN_RANDOM_SEED"), nullptr, 10)
            : 1000000;
    sim::PluginModule plugin;
    Totals totals;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t seed = firstSeed; totals.steps < target; ++seed) {
        if (!RunSeed(plugin, seed, kLongSteps, totals)) break;
        // Progress every thousand sessions, so that a long run is never silent.
        if (totals.sessions % 1000 == 0) Print(totals);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Print(totals);
    std::printf("[ random   ] seeds %llu to %llu, %.0f s\n",
                static_cast<unsigned long long>(firstSeed),
                static_cast<unsigned long long>(firstSeed) + totals.sessions - 1, seconds);
}

}  // namespace
