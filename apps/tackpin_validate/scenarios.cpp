#include "apps/tackpin_validate/scenarios.h"

#include <cstdio>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "simhost/faults/fault_points.h"
#include "simhost/host_state.h"
#include "simhost/plugin_module.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/fault_sweep.h"
#include "validation_harness/load_cycles.h"
#include "validation_harness/module_controls.h"
#include "validation_harness/nested_events.h"
#include "validation_harness/nested_sequences.h"
#include "validation_harness/random_session.h"
#include "validation_harness/user_session.h"

namespace validate {

namespace {

using validation::RunReport;

constexpr const char kFaultPrefix[] = "faults: ";

// True for a clean run; else prints its breaches under `context`.
bool Clean(const RunReport& report, const std::string& context) {
    if (report.Clean()) return true;
    std::printf("  %s\n%s", context.c_str(), report.Text("    ").c_str());
    return false;
}

Verdict PassedIf(bool ok) { return ok ? Verdict::Pass : Verdict::Fail; }

Verdict NotApplicable(const std::string& reason) {
    std::printf("  not applicable: %s\n", reason.c_str());
    return Verdict::NotApplicable;
}

// Why the user's clicks had nothing of Tackpin's to reach.
std::string WithoutTackpinControls(bool hasPanel) {
    return hasPanel ? "the module's panel has none of Tackpin's controls (the random sessions "
                      "work the controls it has)"
                    : "the module registers no panel";
}

// Loads the module, checks what it says it is, starts, activates, exits.
Verdict StartAndExit(const Options& options) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report))
        return PassedIf(Clean(report, "load"));
    const sim::PluginExports& exports = plugin.Exports();
    bool ok = true;
    if (exports.getPlugInType() != 6) {
        std::printf("  the module is not a station plug-in (type %d)\n", exports.getPlugInType());
        ok = false;
    }
    if (exports.getPlugInName() == nullptr) {
        std::printf("  the module has no name\n");
        ok = false;
    }
    validation::Stage stage(plugin);
    stage.OpenDocument();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    plugin.IsActivated(stage.doc);
    return PassedIf(Clean(validation::EndHost(plugin), "start, activate, exit, unload") && ok);
}

Verdict UserSession(const Options& options) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report))
        return PassedIf(Clean(report, "load"));
    validation::Stage stage(plugin);
    const bool reachedPanel = validation::RunUserSession(stage);
    const bool hasPanel = validation::Stage::PanelWindow() != 0;
    if (!Clean(validation::EndHost(plugin), "the user session")) return Verdict::Fail;
    return reachedPanel ? Verdict::Pass : NotApplicable(WithoutTackpinControls(hasPanel));
}

// Widget events whose closure address is none of the plug-in's, or whose
// target is not the widget the handler is on, change nothing and answer 0.
Verdict ForeignClosures(const Options& options) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report))
        return PassedIf(Clean(report, "load"));
    validation::Stage stage(plugin);
    stage.OpenDocument();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    sim::WidgetModel& widgets = sim::Widgets();
    int foreign = 0;
    void* const strangers[] = {&foreign, &widgets, reinterpret_cast<void*>(std::uintptr_t{8}),
                               nullptr};
    bool ok = true;
    int handlers = 0;
    for (int id : widgets.LiveWidgetsOfPlugin()) {
        for (const sim::WidgetHandler& handler : widgets.HandlersOf(id)) {
            ++handlers;
            sim::EventList list = sim::MouseEventList(id, id, handler.type, sim::PointerInfo{});
            for (void* stranger : strangers) {
                if (handler.proc(stage.doc, list.Pairs(), stranger) != 0) {
                    std::printf(
                        "  widget %d: \"%s\" with a closure address not the plug-in's answered "
                        "nonzero\n",
                        id, handler.type.c_str());
                    ok = false;
                }
            }
            sim::EventList elsewhere =
                sim::MouseEventList(widgets.MainWindowId(), id, handler.type, {});
            if (handler.proc(stage.doc, elsewhere.Pairs(), handler.pointer) != 0) {
                std::printf("  widget %d: its \"%s\" handler answered for the host's main window\n",
                            id, handler.type.c_str());
                ok = false;
            }
        }
    }
    if (!Clean(validation::EndHost(plugin), "foreign closures") || !ok) return Verdict::Fail;
    if (handlers == 0) return NotApplicable("the module registers no widget event handler");
    std::printf("  %d handlers\n", handlers);
    return Verdict::Pass;
}

Verdict Faults(sim::FaultPoint point, const Options& options) {
    sim::PluginModule plugin;
    RunReport clean;
    const sim::FaultCounts counts = validation::CountFaultPoints(plugin, options.module, clean);
    if (!Clean(clean, "the counting run")) return Verdict::Fail;
    const int count = counts[static_cast<std::size_t>(point)];
    if (count == 0)
        return NotApplicable(
            "the plug-in never called the host at this fault point in the "
            "user session");
    bool ok = true;
    validation::SweepFaultPoint(
        plugin, options.module, point, count, [&](const validation::FaultRun& run) {
            if (!run.report.Clean()) {
                ok = Clean(run.report, std::string(sim::FaultPointName(point)) + " call #" +
                                           std::to_string(run.ordinal) + " refused");
            }
            return ok;
        });
    if (count == 1)
        std::printf("  1 call refused\n");
    else
        std::printf("  %d calls refused in turn\n", count);
    return PassedIf(ok);
}

Verdict LoadCycles(const Options& options) {
    const int count = options.level >= 3 ? 1000 : options.level == 2 ? 200 : 20;
    sim::PluginModule plugin;
    const validation::LoadCycleSummary summary =
        validation::RunLoadCycles(plugin, options.module, count);
    std::printf("  %d cycles\n", summary.cycles);
    if (summary.failedCycle >= 0)
        return PassedIf(Clean(summary.failure, "cycle " + std::to_string(summary.failedCycle)));
    bool ok = true;
    if (summary.lastSettingKeys != summary.firstSettingKeys) {
        std::printf("  the settings keys grew from %d to %d\n", summary.firstSettingKeys,
                    summary.lastSettingKeys);
        ok = false;
    }
    if (count >= 100 && summary.HeapGrows()) {
        std::printf("  the heap grew in %d of %d cycles\n", summary.growingCycles, summary.cycles);
        ok = false;
    }
    return PassedIf(ok);
}

Verdict RandomSessions(const Options& options) {
    const int sessions = options.level >= 3 ? 500 : options.level == 2 ? 100 : 20;
    constexpr int kSteps = 100;
    sim::PluginModule plugin;
    int steps = 0;
    int moduleControlActions = 0;
    for (int i = 0; i < sessions; ++i) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(i);
        RunReport report;
        if (!validation::StartHost(plugin, options.module, report))
            return PassedIf(Clean(report, "load"));
        validation::SeededChoices choices(seed);
        validation::Stage stage(plugin);
        const validation::RandomSessionResult session =
            validation::RunRandomSession(stage, choices, kSteps);
        steps += session.steps;
        moduleControlActions += session.moduleControlActions;
        report = validation::EndHost(plugin);
        if (!report.Clean()) {
            std::printf(
                "  session with seed %llu (replay: --seed %llu --level 1), after %d steps; the "
                "last:\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed),
                session.steps);
            const std::size_t from = session.trail.size() > 8 ? session.trail.size() - 8 : 0;
            for (std::size_t s = from; s < session.trail.size(); ++s)
                std::printf("    %s\n", session.trail[s].c_str());
            return PassedIf(Clean(report, "breaches"));
        }
    }
    std::printf("  %d sessions, %d steps\n", sessions, steps);
    if (moduleControlActions > 0)
        std::printf("  %d actions on the module's own controls\n", moduleControlActions);
    return Verdict::Pass;
}

// Queues what comes inside the modal run that a modal place opens.
using Nesting = std::function<void(validation::Stage&, validation::ModalPlace)>;

// How one modal place's run went.
struct ModalPlaceOutcome {
    RunReport report;
    // The host's settings document as the run left it.
    std::string settings;
    // The question or dialog that the nesting was queued for opened.
    bool opened = false;
};

// One modal place of the panel, with what `nest` queues inside it unless
// `nest` is empty, in a host of its own: the plug-in started with the
// settings of an earlier run, active, and drawn once. Afterwards a draw
// pass and a click; then the exit and the unload.
ModalPlaceOutcome ModalPlaceRun(const Options& options, const Nesting& nest,
                                validation::ModalPlace place, bool ok) {
    sim::PluginModule plugin;
    ModalPlaceOutcome outcome;
    if (!validation::StartHost(plugin, options.module, outcome.report)) return outcome;
    validation::Stage stage(plugin);
    stage.OpenDocument();
    stage.PresetSettings();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    stage.Draw();
    if (nest) {
        nest(stage, place);
        validation::RunModalPlace(stage, place, ok);
        const sim::DialogResponder& dialogs = sim::Dialogs();
        outcome.opened = place == validation::ModalPlace::ColourDialog
                             ? !dialogs.ModalRuns().empty()
                             : !dialogs.MessageBoxes().empty();
        stage.Draw();
        validation::Stage::Press(validation::Stage::Panel().toggles[0]);
    }
    outcome.report = validation::EndHost(plugin);
    outcome.settings = sim::Settings().Dump();
    return outcome;
}

// The verdict of a nesting scenario: it applies only when some question or
// dialog opened with the nesting inside.
Verdict NestingVerdict(bool ok, int runs, int opened) {
    if (!ok) return Verdict::Fail;
    if (opened == 0)
        return NotApplicable("no question or dialog was opened in " + std::to_string(runs) +
                             " runs");
    std::printf("  %d runs, %d with a question or dialog open\n", runs, opened);
    return Verdict::Pass;
}

// Each of `events` inside each of the panel's questions and its colour
// dialog, answered OK and Cancel: the host's contract holds throughout. An
// exit inside saves what a plain exit at the same moment saves.
Verdict NestedEvents(const Options& options, std::vector<validation::NestedEvent> events) {
    bool ok = true;
    int runs = 0;
    int opened = 0;
    for (validation::NestedEvent event : events) {
        for (validation::ModalPlace place : validation::kModalPlaces) {
            for (bool answer : {true, false}) {
                const std::string context = validation::NestedEventName(event) + " inside " +
                                            validation::ModalPlaceName(place) +
                                            (answer ? ", answered OK" : ", cancelled");
                ++runs;
                const Nesting nest = [event](validation::Stage& stage,
                                             validation::ModalPlace where) {
                    if (where == validation::ModalPlace::ColourDialog)
                        validation::NestInNextDialog(stage, event);
                    else
                        validation::NestInNextQuestion(stage, event);
                };
                const ModalPlaceOutcome nested = ModalPlaceRun(options, nest, place, answer);
                if (!Clean(nested.report, context)) {
                    ok = false;
                    continue;
                }
                if (!nested.opened) continue;
                ++opened;
                if (event != validation::NestedEvent::Exit) continue;
                const ModalPlaceOutcome plain = ModalPlaceRun(options, nullptr, place, answer);
                if (!Clean(plain.report, "a plain exit")) return Verdict::Fail;
                if (nested.settings != plain.settings) {
                    std::printf(
                        "  %s: the settings saved differ from a plain exit's:\n%s  a plain "
                        "exit saves:\n%s",
                        context.c_str(), nested.settings.c_str(), plain.settings.c_str());
                    ok = false;
                }
            }
        }
    }
    return NestingVerdict(ok, runs, opened);
}

// Several things inside each of the panel's questions and its colour
// dialog, answered OK and Cancel: exit then start then clicks on both the
// old and the new panel then draws, a second question or the colour dialog
// inside the first, load-document inside. Only the host's contract is
// checked: what the plug-in made of them is its own.
Verdict DeepNestings(const Options& options) {
    bool ok = true;
    int runs = 0;
    int opened = 0;
    for (const auto& [name, acts] : validation::DeepNestings()) {
        for (validation::ModalPlace place : validation::kModalPlaces) {
            for (bool answer : {true, false}) {
                const std::string context = name + " (" + validation::NestedActsText(acts) +
                                            ") inside " + validation::ModalPlaceName(place) +
                                            (answer ? ", answered OK" : ", cancelled");
                const Nesting nest = [&acts = acts](validation::Stage& stage,
                                                    validation::ModalPlace where) {
                    if (where == validation::ModalPlace::ColourDialog)
                        validation::NestActsInNextDialog(stage, acts);
                    else
                        validation::NestActsInNextQuestion(stage, acts);
                };
                ++runs;
                const ModalPlaceOutcome outcome = ModalPlaceRun(options, nest, place, answer);
                ok = Clean(outcome.report, context) && ok;
                if (outcome.opened) ++opened;
            }
        }
    }
    return NestingVerdict(ok, runs, opened);
}

using Scenario = std::function<Verdict(const Options&)>;

const std::map<std::string, Scenario>& Named() {
    static const std::map<std::string, Scenario> named = [] {
        std::map<std::string, Scenario> all = {
            {"start and exit", StartAndExit},      {"user session", UserSession},
            {"foreign closures", ForeignClosures}, {"load cycles", LoadCycles},
            {"random sessions", RandomSessions},   {"deep nesting", DeepNestings}};
        using validation::NestedEvent;
        const std::pair<const char*, std::vector<NestedEvent>> nestings[] = {
            {"nested exit", {NestedEvent::Exit}},
            {"nested draw", {NestedEvent::Draw}},
            {"nested load-document", {NestedEvent::LoadDocument}},
            {"nested activation", {NestedEvent::Deactivate, NestedEvent::Activate}},
            {"nested document events",
             {NestedEvent::Event210, NestedEvent::Event220, NestedEvent::Event221}}};
        for (const auto& [name, events] : nestings)
            all[name] = [events](const Options& options) { return NestedEvents(options, events); };
        for (int i = 0; i < sim::kFaultPointCount; ++i) {
            const auto point = static_cast<sim::FaultPoint>(i);
            all[std::string(kFaultPrefix) + sim::FaultPointName(point)] =
                [point](const Options& options) { return Faults(point, options); };
        }
        return all;
    }();
    return named;
}

}  // namespace

std::vector<std::string> ScenariosOf(int level) {
    std::vector<std::string> names = {
        "start and exit", "user session",         "foreign closures",  "nested exit",
        "nested draw",    "nested load-document", "nested activation", "nested document events",
        "deep nesting"};
    if (level >= 2) {
        for (int i = 0; i < sim::kFaultPointCount; ++i)
            names.push_back(std::string(kFaultPrefix) +
                            sim::FaultPointName(static_cast<sim::FaultPoint>(i)));
    }
    names.push_back("load cycles");
    names.push_back("random sessions");
    return names;
}

Verdict RunScenario(const std::string& name, const Options& options) {
    auto found = Named().find(name);
    if (found == Named().end()) {
        std::printf("  no scenario \"%s\"\n", name.c_str());
        return Verdict::Fail;
    }
    return found->second(options);
}

}  // namespace validate
