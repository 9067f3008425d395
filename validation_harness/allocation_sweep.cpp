#include "validation_harness/allocation_sweep.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "simhost/documents/document_model.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/allocation_controls.h"

namespace validation {

namespace {

using sim::button_bits::kCtrl;
using sim::button_bits::kShift;
constexpr int kOk = 1;

void Nothing(Stage&) {}
void Draw(Stage& stage) { stage.Draw(); }
void SelectThreeVertices(Stage& stage) { stage.Select({0, 1, 5}); }

}  // namespace

const std::vector<AllocationStep>& AllocationSession() {
    static const std::vector<AllocationStep> steps = {
        {"start", Nothing, [](Stage& s) { s.plugin.Start(); }},
        {"activation", Nothing, [](Stage& s) { s.plugin.Activate(s.doc, 1); }},
        {"draw", Nothing, Draw},
        {"store in row 0", SelectThreeVertices,
         [](Stage&) { Stage::Press(Stage::Panel().sets[0]); }},
        {"store in row 1",
         [](Stage& s) {
             s.Select({6, 7, 8});
         },
         [](Stage&) { Stage::Press(Stage::Panel().sets[1]); }},
        {"overwrite row 0",
         [](Stage& s) {
             s.Select({2, 3});
         },
         [](Stage&) {
             Stage::AnswerNextBox(kOk);
             Stage::Press(Stage::Panel().sets[0]);
         }},
        {"add to row 0",
         [](Stage& s) {
             s.Select({4});
             sim::Documents().SelectFace(s.doc, s.grid, 1);
         },
         [](Stage&) {
             Stage::AnswerNextBox(kOk);
             Stage::Press(Stage::Panel().sets[0], kCtrl);
         }},
        {"store a face in row 2",
         [](Stage& s) {
             sim::Documents().ClearSelection(s.doc);
             sim::Documents().SelectFace(s.doc, s.grid, 4);
             sim::Documents().SelectLine(s.doc, s.grid, 7, 2);
         },
         [](Stage&) { Stage::Press(Stage::Panel().sets[2], kShift); }},
        {"normals on", Nothing, [](Stage&) { sim::UserClick(Stage::Panel().normal); }},
        {"draw with normals", Nothing, Draw},
        {"recall row 0", Nothing, [](Stage&) { Stage::PressRight(Stage::Panel().toggles[0]); }},
        {"recall row 1 added", Nothing,
         [](Stage&) { Stage::PressRight(Stage::Panel().toggles[1], kCtrl); }},
        {"colour of row 1", Nothing,
         [](Stage&) {
             Stage::AnswerNextColorDialog(u"OK", {64, 128, 32});
             Stage::PressRight(Stage::Panel().sets[1]);
         }},
        {"colour of row 2 cancelled", Nothing,
         [](Stage&) {
             Stage::AnswerNextColorDialog(u"Cancel", {255, 255, 0});
             Stage::PressRight(Stage::Panel().sets[2]);
         }},
        {"view off", Nothing, [](Stage&) { sim::UserClick(Stage::Panel().view); }},
        {"view on", Nothing, [](Stage&) { sim::UserClick(Stage::Panel().view); }},
        {"overwrite off", Nothing, [](Stage&) { sim::UserClick(Stage::Panel().overwrite); }},
        {"lines always", Nothing, [](Stage&) { sim::UserClick(Stage::Panel().allways); }},
        {"normal length", Nothing, [](Stage&) { sim::UserChangeSpin(Stage::Panel().spin, 7.5); }},
        {"draw with the options", Nothing, Draw},
        {"row 1 hidden", Nothing, [](Stage&) { Stage::Press(Stage::Panel().toggles[1]); }},
        {"draw without row 1", Nothing, Draw},
        {"vertex moved",
         [](Stage& s) {
             sim::Documents().SetVertexPosition(s.grid, 0, {0.5f, 0.5f, 1.0f});
         },
         [](Stage& s) { s.plugin.DocumentEvent(s.doc, 221); }},
        {"draw after the move", Nothing, Draw},
        {"vertex deleted",
         [](Stage& s) {
             sim::Documents().DeleteVertex(s.grid, 1);
             sim::Documents().Compact(s.grid);
         },
         [](Stage& s) { s.plugin.DocumentEvent(s.doc, 221); }},
        {"draw after the deletion", Nothing, Draw},
        {"recall row 0 after the edits", Nothing,
         [](Stage&) { Stage::PressRight(Stage::Panel().toggles[0]); }},
        {"store on another object",
         [](Stage& s) {
             sim::Documents().SetCurrentObject(s.doc, 1);
             s.Select({0, 2});
         },
         [](Stage&) { Stage::Press(Stage::Panel().sets[2], kShift); }},
        {"add on another object",
         [](Stage& s) {
             s.Select({1, 3});
         },
         [](Stage&) {
             Stage::AnswerNextBox(kOk);
             Stage::Press(Stage::Panel().sets[1], kCtrl);
         }},
        {"draw on both objects", Nothing, Draw},
        {"clear row 2", Nothing,
         [](Stage&) {
             Stage::AnswerNextBox(kOk);
             Stage::Press(Stage::Panel().clears[2]);
         }},
        {"draw after the clear", Nothing, Draw},
        {"exit", Nothing, [](Stage& s) { s.plugin.Exit(); }, true},
        {"start again", Nothing, [](Stage& s) { s.plugin.Start(); }},
        {"draw after the start", Nothing, Draw},
        {"overwrite after the start",
         [](Stage& s) {
             s.Select({0, 1, 2});
         },
         [](Stage&) {
             Stage::AnswerNextBox(kOk);
             Stage::Press(Stage::Panel().sets[1]);
         }},
        {"new document", [](Stage& s) { s.OpenDocument(); },
         [](Stage& s) { s.plugin.LoadDocument(s.doc, "next.mqo"); }},
        {"store in the new document",
         [](Stage& s) {
             s.Select({3, 4});
         },
         [](Stage&) { Stage::Press(Stage::Panel().sets[0]); }},
        {"draw the new document", Nothing, Draw},
        {"final exit", Nothing, [](Stage& s) { s.plugin.Exit(); }, true},
    };
    return steps;
}

std::string Snapshot::Text() const {
    return "plug-in:\n" + plugin + "selection:" + selection + "\ntoggles:" + toggles +
           "\nsettings:\n" + settings;
}

namespace {

// The unique ids of objects count on from one host to the next and with
// every drawing object made: a marker's object is named by its place among
// the stage's objects instead.
std::string NameObjects(const std::string& description, const Stage& stage) {
    const sim::DocumentModel& documents = sim::Documents();
    static constexpr char kObject[] = "object=";
    std::string named;
    std::size_t from = 0;
    for (std::size_t at = description.find(kObject); at != std::string::npos;
         at = description.find(kObject, from)) {
        at += sizeof kObject - 1;
        named.append(description, from, at - from);
        from = description.find(' ', at);
        const int uniqueId = std::stoi(description.substr(at, from - at));
        std::string name = uniqueId == -1 ? "none" : "other";
        for (const auto& [candidate, label] :
             {std::pair{stage.grid, "grid"}, {stage.square, "square"}, {stage.line, "line"}}) {
            if (candidate != nullptr && documents.ObjectUniqueId(candidate) == uniqueId)
                name = label;
        }
        named += name;
    }
    named.append(description, from, std::string::npos);
    return named;
}

Snapshot Take(const Stage& stage, const AllocationControls& controls) {
    Snapshot snapshot;
    snapshot.plugin = NameObjects(controls.DescribePlugin(), stage);
    const sim::DocumentModel& documents = sim::Documents();
    // Appended piece by piece: GCC 12 warns (-Wrestrict) on " " + a
    // temporary string, a false alarm of its own.
    std::string& text = snapshot.selection;
    const auto number = [&text](int value, char before) {
        text += before;
        text += std::to_string(value);
    };
    for (MQObject object : {stage.grid, stage.square, stage.line}) {
        text += " [v";
        for (int v : documents.SelectedVertices(stage.doc, object)) number(v, ' ');
        text += " l";
        for (const auto& [face, line] : documents.SelectedLines(stage.doc, object)) {
            number(face, ' ');
            number(line, '.');
        }
        text += " f";
        for (int f : documents.SelectedFaces(stage.doc, object)) number(f, ' ');
        text += "]";
    }
    for (int toggle : Stage::Panel().toggles) {
        const bool down =
            toggle != 0 && sim::Widgets().BoolProperty(toggle, "down").value_or(false);
        snapshot.toggles += toggle == 0 ? " -" : down ? " down" : " up";
    }
    snapshot.settings = sim::Settings().Dump();
    return snapshot;
}

// A file of this run's own for the settings while an exit runs.
std::string SettingsFile() {
    static const unsigned int kOwn = std::random_device{}();
    return (std::filesystem::temp_directory_path() /
            ("tackpin-allocation-settings-" + std::to_string(kOwn) + ".xml"))
        .string();
}

}  // namespace

AllocationRun RunAllocationSession(sim::PluginModule& plugin, const std::string& path,
                                   const SessionPlan& plan) {
    AllocationRun run;
    run.failAt = plan.failAt;
    if (!StartHost(plugin, path, run.report)) return run;
    AllocationControls controls;
    if (!controls.Bind(path)) {
        run.report.breaches.push_back(path +
                                      " is not the test build: it has no allocation controls");
        EndHost(plugin);
        return run;
    }
    Stage stage(plugin);
    stage.OpenDocument();
    stage.PresetSettings();
    controls.CountFrom(plan.failAt);
    const std::vector<AllocationStep>& steps = AllocationSession();
    run.before.resize(steps.size());
    run.after.resize(steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const AllocationStep& step = steps[i];
        const bool leftOut = static_cast<int>(i) == plan.without;
        step.prepare(stage);
        if (plan.snapshotEveryStep) run.before[i] = Take(stage, controls);
        const bool failedBefore = controls.Failed();
        if (!leftOut) {
            step.operation(stage);
        } else if (step.exit) {
            // An exit left out still takes the panel: only what it saved goes.
            const std::string saved = SettingsFile();
            sim::Settings().SaveToFile(saved);
            step.operation(stage);
            sim::Settings().LoadFromFile(saved);
            std::filesystem::remove(saved);
        }
        // Whatever the user was to answer was for this step only.
        sim::Dialogs().DropPending();
        run.stepEnds.push_back(controls.Count());
        if (!failedBefore && controls.Failed()) run.failedStep = static_cast<int>(i);
        const bool checked = plan.snapshotEveryStep || run.failedStep >= 0 ||
                             (plan.without >= 0 && static_cast<int>(i) >= plan.without);
        if (checked) run.after[i] = Take(stage, controls);
    }
    run.allocations = controls.Count();
    run.report = EndHost(plugin);
    return run;
}

}  // namespace validation

namespace validation {

std::vector<std::string> CheckFailedRun(const AllocationRun& run, const AllocationRun& clean,
                                        const AllocationRun& reference) {
    std::vector<std::string> problems = run.report.breaches;
    if (run.failedStep < 0) {
        problems.push_back("allocation #" + std::to_string(run.failAt) + " never came");
        return problems;
    }
    const auto failed = static_cast<std::size_t>(run.failedStep);
    const AllocationStep& step = AllocationSession()[failed];
    // Up to the failing allocation the run went as the clean one.
    const Snapshot& beforeFailed = clean.before[failed];
    const std::string where = std::string("failing in \"") + step.name + "\": ";
    const Snapshot& afterFailed = run.after[failed];
    if (step.exit) {
        // The panel goes; the settings stay as the last exit saved them.
        if (afterFailed.settings != beforeFailed.settings)
            problems.push_back(where + "the settings were saved in part:\n" + afterFailed.settings +
                               "where they were\n" + beforeFailed.settings);
        if (afterFailed.plugin.find(" panel=0 ") == std::string::npos)
            problems.push_back(where + "the panel outlived the exit");
    } else if (!(afterFailed == beforeFailed)) {
        problems.push_back(where + "the operation changed\n" + beforeFailed.Text() + "into\n" +
                           afterFailed.Text());
    }
    // From the failed step on, the session goes as it does without it.
    for (std::size_t i = failed; i < run.after.size() && i < reference.after.size(); ++i) {
        if (run.after[i] == reference.after[i]) continue;
        problems.push_back(where + "after \"" + AllocationSession()[i].name +
                           "\" the session had\n" + run.after[i].Text() +
                           "where without the operation it had\n" + reference.after[i].Text());
        break;
    }
    return problems;
}

std::vector<std::int64_t> AllocationsToFail(std::int64_t count, std::int64_t everyBelow,
                                            std::int64_t sample, std::uint64_t seed) {
    std::vector<std::int64_t> ordinals;
    if (count < everyBelow || sample >= count) {
        for (std::int64_t i = 0; i < count; ++i) ordinals.push_back(i);
        return ordinals;
    }
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int64_t> pick(0, count - 1);
    std::set<std::int64_t> chosen;
    while (static_cast<std::int64_t>(chosen.size()) < sample) chosen.insert(pick(random));
    return {chosen.begin(), chosen.end()};
}

}  // namespace validation
