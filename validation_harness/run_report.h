// How one validation run ended, as the host saw it: the breaches of its
// contract, with what was left behind after the plug-in's exit and unload.
#pragma once

#include <string>
#include <vector>

#include "simhost/plugin_module.h"

namespace validation {

struct RunReport {
    // Breaches in the order the host saw them; empty for a clean run.
    std::vector<std::string> breaches;
    bool Clean() const { return breaches.empty(); }
    // One breach per line, each prefixed with `indent`; a breach seen more
    // than once is one line, where it first came, with "(N times)".
    std::string Text(const std::string& indent = "  ") const;
};

// Loads and initialises the plug-in in a new host; false (with the reason
// in `report`) when it does not load.
bool StartHost(sim::PluginModule& plugin, const std::string& path, RunReport& report);
// The host's end of a run: the exit event unless the plug-in has had it
// since its last start (the host checks that every widget of the plug-in
// is gone), the unload (every drawing object gone),
// and the breaches recorded since the host was reset.
RunReport EndHost(sim::PluginModule& plugin);

}  // namespace validation
