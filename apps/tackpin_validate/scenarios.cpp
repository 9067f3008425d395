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
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/fault_sweep.h"
#include "validation_harness/load_cycles.h"
#include "validation_harness/nested_events.h"
#include "validation_harness/nested_sequences.h"
#include "validation_harness/random_session.h"
#include "validation_harness/user_session.h"

namespace validate {

namespace {

using validation::RunReport;

constexpr const char kFaultPrefix[] = "faults: ";

bool Verdict(const RunReport& report, const std::string& context) {
    if (report.Clean()) return true;
    std::printf("  %s\n%s", context.c_str(), report.Text("    ").c_str());
    return false;
}

// Loads the module, checks what it says it is, starts, activates, exits.
bool StartAndExit(const Options& options) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report)) return Verdict(report, "load");
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
    return Verdict(validation::EndHost(plugin), "start, activate, exit, unload") && ok;
}

bool UserSession(const Options& options) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report)) return Verdict(report, "load");
    validation::Stage stage(plugin);
    validation::RunUserSession(stage);
    return Verdict(validation::EndHost(plugin), "the user session");
}

// Widget events whose closure address is none of the plug-in's, or whose
// target is not the widget the handler is on, change nothing and answer 0.
bool ForeignClosures(const Options& options) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report)) return Verdict(report, "load");
    validation::Stage stage(plugin);
    stage.OpenDocument();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    sim::WidgetModel& widgets = sim::Widgets();
    int foreign = 0;
    void* const strangers[] = {&foreign, &widgets, reinterpret_cast<void*>(std::uintptr_t{8}),
                               nullptr};
    bool ok = true;
    for (int id : widgets.LiveWidgetsOfPlugin()) {
        for (const sim::WidgetHandler& handler : widgets.HandlersOf(id)) {
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
    return Verdict(validation::EndHost(plugin), "foreign closures") && ok;
}

bool Faults(sim::FaultPoint point, const Options& options) {
    sim::PluginModule plugin;
    RunReport clean;
    const sim::FaultCounts counts = validation::CountFaultPoints(plugin, options.module, clean);
    if (!Verdict(clean, "the counting run")) return false;
    const int count = counts[static_cast<std::size_t>(point)];
    bool ok = true;
    validation::SweepFaultPoint(
        plugin, options.module, point, count, [&](const validation::FaultRun& run) {
            if (!run.report.Clean()) {
                ok = Verdict(run.report, std::string(sim::FaultPointName(point)) + " call #" +
                                             std::to_string(run.ordinal) + " refused");
            }
            return ok;
        });
    if (count == 1)
        std::printf("  1 call refused\n");
    else
        std::printf("  %d calls refused in turn\n", count);
    return ok;
}

bool LoadCycles(const Options& options) {
    const int count = options.level >= 3 ? 1000 : options.level == 2 ? 200 : 20;
    sim::PluginModule plugin;
    const validation::LoadCycleSummary summary =
        validation::RunLoadCycles(plugin, options.module, count);
    std::printf("  %d cycles\n", summary.cycles);
    if (summary.failedCycle >= 0)
        return Verdict(summary.failure, "cycle " + std::to_string(summary.failedCycle));
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
    return ok;
}

bool RandomSessions(const Options& options) {
    const int sessions = options.level >= 3 ? 500 : options.level == 2 ? 100 : 20;
    constexpr int kSteps = 100;
    sim::PluginModule plugin;
    int steps = 0;
    for (int i = 0; i < sessions; ++i) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(i);
        RunReport report;
        if (!validation::StartHost(plugin, options.module, report)) return Verdict(report, "load");
        validation::SeededChoices choices(seed);
        validation::Stage stage(plugin);
        const validation::RandomSessionResult session =
            validation::RunRandomSession(stage, choices, kSteps);
        steps += session.steps;
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
            return Verdict(report, "breaches");
        }
    }
    std::printf("  %d sessions, %d steps\n", sessions, steps);
    return true;
}

// Queues what comes inside the modal run that a modal place opens.
using Nesting = std::function<void(validation::Stage&, validation::ModalPlace)>;

// One modal place of the panel, with what `nest` queues inside it unless
// `nest` is empty, in a host of its own: the plug-in started with the
// settings of an earlier run, active, and drawn once. Afterwards a draw
// pass and a click; then the exit and the unload. The host's settings
// document as the run left it goes to `settings`.
RunReport ModalPlaceRun(const Options& options, const Nesting& nest, validation::ModalPlace place,
                        bool ok, std::string& settings) {
    sim::PluginModule plugin;
    RunReport report;
    if (!validation::StartHost(plugin, options.module, report)) return report;
    validation::Stage stage(plugin);
    stage.OpenDocument();
    stage.PresetSettings();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    stage.Draw();
    if (nest) {
        nest(stage, place);
        validation::RunModalPlace(stage, place, ok);
        stage.Draw();
        validation::Stage::Press(validation::Stage::Panel().toggles[0]);
    }
    report = validation::EndHost(plugin);
    settings = sim::Settings().Dump();
    return report;
}

// Each of `events` inside each of the panel's questions and its colour
// dialog, answered OK and Cancel: the host's contract holds throughout. An
// exit inside saves what a plain exit at the same moment saves.
bool NestedEvents(const Options& options, std::vector<validation::NestedEvent> events) {
    bool ok = true;
    int runs = 0;
    for (validation::NestedEvent event : events) {
        for (validation::ModalPlace place : validation::kModalPlaces) {
            for (bool answer : {true, false}) {
                const std::string context = validation::NestedEventName(event) + " inside " +
                                            validation::ModalPlaceName(place) +
                                            (answer ? ", answered OK" : ", cancelled");
                std::string nested;
                ++runs;
                const Nesting nest = [event](validation::Stage& stage,
                                             validation::ModalPlace where) {
                    if (where == validation::ModalPlace::ColourDialog)
                        validation::NestInNextDialog(stage, event);
                    else
                        validation::NestInNextQuestion(stage, event);
                };
                if (!Verdict(ModalPlaceRun(options, nest, place, answer, nested), context)) {
                    ok = false;
                    continue;
                }
                if (event != validation::NestedEvent::Exit) continue;
                std::string plain;
                if (!Verdict(ModalPlaceRun(options, nullptr, place, answer, plain), "a plain exit"))
                    return false;
                if (nested != plain) {
                    std::printf(
                        "  %s: the settings saved differ from a plain exit's:\n%s  a plain "
                        "exit saves:\n%s",
                        context.c_str(), nested.c_str(), plain.c_str());
                    ok = false;
                }
            }
        }
    }
    std::printf("  %d runs\n", runs);
    return ok;
}

// Several things inside each of the panel's questions and its colour
// dialog, answered OK and Cancel: exit then start then clicks on both the
// old and the new panel then draws, a second question or the colour dialog
// inside the first, load-document inside. Only the host's contract is
// checked: what the plug-in made of them is its own.
bool DeepNestings(const Options& options) {
    bool ok = true;
    int runs = 0;
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
                std::string settings;
                ++runs;
                ok = Verdict(ModalPlaceRun(options, nest, place, answer, settings), context) && ok;
            }
        }
    }
    std::printf("  %d runs\n", runs);
    return ok;
}

using Scenario = std::function<bool(const Options&)>;

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

bool RunScenario(const std::string& name, const Options& options) {
    auto found = Named().find(name);
    if (found == Named().end()) {
        std::printf("  no scenario \"%s\"\n", name.c_str());
        return false;
    }
    return found->second(options);
}

}  // namespace validate
