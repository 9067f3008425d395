#include "tests/fuzz/linked_plugin.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "host/host_abi.h"
#include "marker/tackpin.h"
#include "simhost/contract/violations.h"
#include "simhost/host_state.h"
#include "validation_harness/run_report.h"

// The plug-in's entry points, linked in.
extern "C" {
unsigned int MQCheckVersion(unsigned int);
int MQInit(const char*);
void MQGetPlugInID(unsigned int*, unsigned int*);
const char* MQGetPlugInName();
int MQGetPlugInType();
const char* MQEnumString(int);
const char* MQEnumFileType(int);
const char* MQEnumFileExt(int);
int MQImportFile(int, const char*, MQDocument);
int MQExportFile(int, const char*, MQDocument);
int MQCreate(int, MQDocument);
int MQModifyObject(int, MQDocument);
int MQModifySelect(int, MQDocument);
int MQOnEvent(MQDocument, int, void*);
}

namespace fuzz {

namespace {

// What unloading the module does to its one plug-in object, and what
// loading it again makes.
void UnloadLinked() {
    std::destroy_at(&TheTackpin());
    std::construct_at(&TheTackpin());
}

sim::PluginModule& Plugin() {
    static sim::PluginModule plugin;
    return plugin;
}

[[noreturn]] void Abort(const std::string& context, const std::string& report) {
    std::fprintf(stderr, "host contract breach (%s):\n%s%s", context.c_str(), report.c_str(),
                 sim::DumpHost().c_str());
    std::abort();
}

}  // namespace

sim::PluginModule& BeginRun() {
    const sim::PluginExports exports{MQCheckVersion,  MQInit,       MQGetPlugInID,  MQGetPlugInName,
                                     MQGetPlugInType, MQEnumString, MQEnumFileType, MQEnumFileExt,
                                     MQImportFile,    MQExportFile, MQCreate,       MQModifyObject,
                                     MQModifySelect,  MQOnEvent};
    sim::PluginModule& plugin = Plugin();
    plugin.Link(exports, UnloadLinked);
    validation::RunReport report;
    if (!validation::StartHost(plugin, std::string(), report)) Abort("start", report.Text());
    return plugin;
}

void StartWithMarker(validation::Stage& stage) {
    stage.OpenDocument();
    stage.plugin.Start();
    stage.plugin.Activate(stage.doc, 1);
    stage.Select({0, 1, 5});
    validation::Stage::Press(validation::Stage::Panel().sets[0]);
}

void CheckNoBreach(const std::string& context) {
    if (!sim::Violations().empty()) Abort(context, sim::ViolationReport());
}

void EndRun(const std::string& context) {
    const validation::RunReport report = validation::EndHost(Plugin());
    if (!report.Clean()) Abort(context, report.Text());
    // What the run made goes with it, not at the next run's start: libFuzzer
    // takes a run that leaves more allocations than it frees for a leak and
    // runs it again to look.
    sim::ResetHost();
}

}  // namespace fuzz
