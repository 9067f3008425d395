#include "validation_harness/run_report.h"

#include "simhost/contract/violations.h"
#include "simhost/host_state.h"

namespace validation {

std::string RunReport::Text(const std::string& indent) const {
    std::string text;
    for (const std::string& breach : breaches) text += indent + breach + "\n";
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
        plugin.Exit();
        plugin.Unload();
    }
    RunReport report;
    report.breaches = sim::Violations();
    sim::ExpectSender(0, 0);
    return report;
}

}  // namespace validation
