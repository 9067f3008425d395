#include "validation_harness/run_report.h"

#include <map>
#include <string_view>
#include <utility>

#include "simhost/contract/violations.h"
#include "simhost/host_state.h"

namespace validation {

std::string RunReport::Text(const std::string& indent) const {
    // A breach repeated (the same call in a loop, say) is told once, where
    // it first came, with its count.
    std::vector<std::pair<const std::string*, int>> told;
    std::map<std::string_view, std::size_t> where;
    for (const std::string& breach : breaches) {
        auto [found, added] = where.try_emplace(breach, told.size());
        if (added)
            told.emplace_back(&breach, 1);
        else
            ++told[found->second].second;
    }
    std::string text;
    for (const auto& [breach, count] : told) {
        text += indent + *breach;
        if (count > 1) text += " (" + std::to_string(count) + " times)";
        text += "\n";
    }
    return text;
}

bool StartHost(sim::PluginModule& plugin, const std::string& path, RunReport& report) {
    sim::ResetHost();
    bool loaded = path.empty() ? plugin.Initialize() : plugin.LoadAndInitialize(path);
    if (!loaded) {
        report.breaches.push_back("the module does not start: " + plugin.Error());
        return false;
    }
    unsigned int product = 0, id = 0;
    plugin.Exports().getPlugInId(&product, &id);
    sim::ExpectSender(product, id);
    return true;
}

RunReport EndHost(sim::PluginModule& plugin) {
    if (plugin.IsLoaded()) {
        // An exit delivered inside a modal run was the plug-in's exit.
        if (!plugin.Exited()) plugin.Exit();
        plugin.Unload();
    }
    RunReport report;
    report.breaches = sim::Violations();
    sim::ExpectSender(0, 0);
    return report;
}

}  // namespace validation
