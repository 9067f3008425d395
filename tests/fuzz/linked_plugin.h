// The plug-in's code linked into a fuzzer and driven through the simulated
// host as a loaded module would be: each input is one run of a new host,
// from MQInit to the unload, which destroys the plug-in object and makes it
// anew. A breach of the host's contract ends the fuzzer like a crash, with
// the host's report, so that the input is kept.
#pragma once

#include <string>

#include "simhost/plugin_module.h"
#include "validation_harness/stage.h"

namespace fuzz {

// A new host with the plug-in initialised (MQInit done, not started).
// [one per input]
sim::PluginModule& BeginRun();
// Opens the stage's document and brings the plug-in to where a host has it
// most of the time: started, active, with a marker stored in row 0.
void StartWithMarker(validation::Stage& stage);
// The exit and the unload; aborts with `context` and the report when the host
// saw a breach at any point of the run.
void EndRun(const std::string& context);
// Aborts now when the host has seen a breach.
void CheckNoBreach(const std::string& context);

}  // namespace fuzz
