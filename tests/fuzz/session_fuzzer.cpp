// Random whole sessions: the input chooses every step (document edits,
// selection, panel clicks, answers, host events) of a session against the
// simulated host with its contract checks on.
#include <cstdint>

#include "tests/fuzz/linked_plugin.h"
#include "validation_harness/choices.h"
#include "validation_harness/random_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    validation::ByteChoices choices(data, size);
    sim::PluginModule& plugin = fuzz::BeginRun();
    validation::Stage stage(plugin);
    const validation::RandomSessionResult session =
        validation::RunRandomSession(stage, choices, 400);
    std::string trail;
    for (const std::string& step : session.trail) trail += "\n  " + step;
    fuzz::EndRun("session of " + std::to_string(session.steps) + " steps:" + trail);
    return 0;
}
