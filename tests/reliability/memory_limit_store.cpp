// Storing a selection larger than the memory there is: a process of its own
// (the limit would bind the test runner too) loads the plug-in's test build,
// stores a marker, then selects every face of a 10,000,000-face grid and
// stores that over it with its address space limited, so that the store
// cannot finish. The old marker must survive, its toggle stay as it was,
// and the host go on: a draw, a recall of the old marker, the exit and the
// unload, with no breach. Exits 0 when all held, 1 otherwise (with what
// went wrong), 2 when the limit cannot be set.
#include <cstdio>
#include <string>

#include "platform/tools/address_space.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/mesh_builders.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/allocation_controls.h"
#include "validation_harness/run_report.h"
#include "validation_harness/stage.h"

// AddressSanitizer's operator new ends the process when memory runs out;
// its form that does not throw answers null, which the test build's own
// operator new turns into std::bad_alloc as a plain runtime throws it. Its
// quarantine would keep every block the store gives back mapped, and so
// take the room under the limit that the host needs to go on.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:quarantine_size_mb=16";
}

namespace {

constexpr int kGridSide = 3163;  // 3163 x 3163 = 10,004,569 faces
// More than the host needs to go on, far less than the store needs.
constexpr std::size_t kRoom = std::size_t{256} << 20;

int failures = 0;

void Expect(bool held, const std::string& what) {
    if (held) return;
    std::printf("memory_limit_store: %s\n", what.c_str());
    ++failures;
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    sim::PluginModule plugin;
    const std::string path = validation::AllocationTestModulePath();
    validation::RunReport report;
    if (!validation::StartHost(plugin, path, report)) {
        std::printf("memory_limit_store: %s", report.Text().c_str());
        return 1;
    }
    validation::AllocationControls controls;
    Expect(controls.Bind(path), path + " has no allocation controls");
    if (failures > 0) return 1;

    validation::Stage stage(plugin);
    stage.OpenDocument();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    stage.Select({0, 1, 5});
    validation::Stage::Press(validation::Stage::Panel().sets[0]);
    const std::string marker = controls.DescribePlugin();
    const int toggle = validation::Stage::Panel().toggles[0];
    Expect(sim::Widgets().BoolProperty(toggle, "down").value_or(false),
           "the first store did not press row 0's toggle");

    sim::DocumentModel& documents = sim::Documents();
    MQObject large = documents.AddObject(stage.doc, "large");
    const sim::GridInfo grid = sim::AddQuadGrid(large, kGridSide, kGridSide);
    documents.SetCurrentObject(stage.doc, documents.ObjectCount(stage.doc) - 1);
    documents.ClearSelection(stage.doc);
    for (int face = 0; face < grid.FaceCount(); ++face)
        documents.SelectFace(stage.doc, large, face);
    std::printf("memory_limit_store: %d faces selected; storing them with %zu MiB to spare\n",
                grid.FaceCount(), kRoom >> 20);

    if (!platform::LimitAddressSpaceGrowth(kRoom)) {
        std::printf("memory_limit_store: the address space cannot be limited here\n");
        return 2;
    }
    const sim::EventOutcome store =
        validation::Stage::Press(validation::Stage::Panel().sets[0], sim::button_bits::kShift);
    platform::LiftAddressSpaceLimit();

    Expect(store.delivered && store.handlersCalled == 1, "the store was not run");
    Expect(store.answer == 0,
           "the store that ran out of memory answered " + std::to_string(store.answer) + ", not 0");
    Expect(controls.DescribePlugin() == marker,
           "the old marker did not survive; the plug-in holds\n" + controls.DescribePlugin() +
               "where it held\n" + marker);
    Expect(sim::Widgets().BoolProperty(toggle, "down").value_or(false),
           "row 0's toggle was released");

    // The host goes on with the old marker.
    stage.Draw();
    documents.SetCurrentObject(stage.doc, 0);
    validation::Stage::PressRight(validation::Stage::Panel().toggles[0]);
    Expect(documents.SelectedVertices(stage.doc, stage.grid) == std::vector<int>{0, 1, 5},
           "the recall after the failed store did not select the old marker");
    report = validation::EndHost(plugin);
    Expect(report.Clean(), "the host saw breaches:\n" + report.Text());
    if (failures == 0)
        std::printf("memory_limit_store: the old marker survived, the host went on\n");
    return failures == 0 ? 0 : 1;
}
