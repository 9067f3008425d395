// Load cycles: the module is loaded, started, activated, made to store a
// marker and draw, exited and unloaded, again and again, with the settings
// carried from each run to the next as the host keeps them. Nothing may
// grow from one cycle to the next: live widgets, drawing objects, settings
// keys, or the memory in use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "validation_harness/run_report.h"

namespace validation {

struct LoadCycleSummary {
    int cycles = 0;        // cycles run to their end
    int failedCycle = -1;  // the first cycle with a breach; -1 for none
    RunReport failure;     // that cycle's breaches
    // Heap bytes in use at the start of each cycle (empty where the
    // platform cannot tell), and how many cycles ended with more than they
    // began with.
    std::vector<std::int64_t> heap;
    int growingCycles = 0;
    // Keys in the plug-in's settings element after the first and the last cycle.
    int firstSettingKeys = 0;
    int lastSettingKeys = 0;
    // The heap grew in at least half of the cycles: something is kept on
    // every cycle, not only the host's and the loader's books, which grow
    // now and then.
    bool HeapGrows() const;
};

// Runs `count` cycles of the module at `path` (empty: a linked plug-in,
// which `relink` links again before each cycle). Stops at the first breach.
LoadCycleSummary RunLoadCycles(sim::PluginModule& plugin, const std::string& path, int count,
                               void (*relink)(sim::PluginModule&) = nullptr);

}  // namespace validation
