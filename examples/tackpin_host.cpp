// The command-line host: loads the built plug-in into the simulated host,
// as the modeler does at start-up, and reports what the plug-in answers.
#include <cstdio>

#include "simhost/host_state.h"
#include "simhost/plugin_module.h"
#include "simhost/violations.h"

int main(int argc, char** argv) {
    std::string path = argc > 1 ? argv[1] : sim::DefaultPluginPath();
    sim::PluginModule plugin;
    if (!plugin.Load(path)) {
        std::fprintf(stderr, "tackpin-host: %s\n", plugin.Error().c_str());
        return 1;
    }
    const sim::PluginExports& exports = plugin.Exports();
    unsigned int version = exports.checkVersion(sim::kHostVersion);
    std::printf("module:        %s\n", path.c_str());
    std::printf("version check: host 0x%X -> 0x%X\n", sim::kHostVersion, version);
    if (!plugin.Initialize()) {
        std::fprintf(stderr, "tackpin-host: %s\n", plugin.Error().c_str());
        return 1;
    }
    unsigned int product = 0, id = 0;
    exports.getPlugInId(&product, &id);
    const char* name = exports.getPlugInName();
    const char* station = exports.enumString(0);
    std::printf("identity:      product %08X, plug-in %08X\n", product, id);
    std::printf("name:          %s\n", name != nullptr ? name : "(none)");
    std::printf("type:          %d (%s)\n", exports.getPlugInType(), station != nullptr ? station : "");
    plugin.Unload();
    if (!sim::Violations().empty()) {
        std::fprintf(stderr, "host contract breaches:\n%s", sim::ViolationReport().c_str());
        return 1;
    }
    return 0;
}
