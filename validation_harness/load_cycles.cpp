#include "validation_harness/load_cycles.h"

#include <cstdio>
#include <filesystem>

#include "platform/tools/process_memory.h"
#include "simhost/host_state.h"
#include "simhost/settings/settings_model.h"
#include "validation_harness/stage.h"

namespace validation {

namespace {
// Memory that a cycle keeps shows in every cycle. The heap of a clean run
// grows too, but only now and then: the host's handle tables (never reused
// within a run) in doubling steps, and the system loader's books about
// loaded modules in blocks every few loads.
constexpr int kGrowingCycleShare = 2;

std::string SettingsPath() {
    return (std::filesystem::temp_directory_path() / "tackpin-load-cycles.xml").string();
}

// The name of the plug-in's own element under "pluginsettings".
std::string ElementName(sim::PluginModule& plugin) {
    unsigned int product = 0, id = 0;
    plugin.Exports().getPlugInId(&product, &id);
    char name[32];
    std::snprintf(name, sizeof name, "Plugin-%08X-%08X", product, id);
    return name;
}
}  // namespace

bool LoadCycleSummary::HeapGrows() const {
    if (heap.empty()) return false;
    return growingCycles * kGrowingCycleShare >= cycles;
}

LoadCycleSummary RunLoadCycles(sim::PluginModule& plugin, const std::string& path, int count,
                               void (*relink)(sim::PluginModule&)) {
    LoadCycleSummary summary;
    const std::string settingsFile = SettingsPath();
    std::remove(settingsFile.c_str());
    for (int cycle = 0; cycle < count; ++cycle) {
        // The host starts anew with the settings the last run stored.
        if (relink != nullptr) relink(plugin);
        RunReport report;
        if (!StartHost(plugin, path, report)) {
            summary.failedCycle = cycle;
            summary.failure = report;
            break;
        }
        sim::Settings().LoadFromFile(settingsFile);
        const std::int64_t heapAtStart = platform::HeapBytesInUse();
        if (heapAtStart >= 0) summary.heap.push_back(heapAtStart);

        Stage stage(plugin);
        stage.OpenDocument();
        plugin.Start();
        plugin.Activate(stage.doc, 1);
        stage.Select({0, 1, 4});
        Stage::Press(stage.Panel().sets[0]);
        stage.Draw();
        const std::string element = ElementName(plugin);
        report = EndHost(plugin);
        if (!report.Clean()) {
            summary.failedCycle = cycle;
            summary.failure = report;
            break;
        }
        const int keys = static_cast<int>(sim::Settings().ChildKeys(element).size());
        if (cycle == 0) summary.firstSettingKeys = keys;
        summary.lastSettingKeys = keys;
        sim::Settings().SaveToFile(settingsFile);
        ++summary.cycles;
    }
    std::remove(settingsFile.c_str());
    for (std::size_t i = 1; i < summary.heap.size(); ++i)
        if (summary.heap[i] > summary.heap[i - 1]) ++summary.growingCycles;
    return summary;
}

}  // namespace validation
