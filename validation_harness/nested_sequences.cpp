#include "validation_harness/nested_sequences.h"

#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/module_controls.h"

namespace validation {

namespace {

using Kind = NestedAct::Kind;

void RunActs(Stage& stage, const PanelControls& runsIn, const NestedActs& acts);

// Opens the second question or colour dialog of `act` on the plug-in's
// panel now, with its answer and what happens inside it queued first.
void OpenInside(Stage& stage, const NestedAct& act) {
    // A panel the user closed is off screen: the user turns the plug-in on
    // again from the host's menu to reach it.
    if (const int window = Stage::PanelWindow(); window != 0 && !sim::Widgets().IsShown(window))
        stage.plugin.Activate(stage.doc, 1);
    const PanelControls panel = Stage::Panel();
    if (!HasTackpinControls(panel)) {
        // Another plug-in's panel: whichever of its controls opens one.
        const bool question = act.kind == Kind::Question;
        if (!act.inside.empty()) {
            if (question)
                NestActsInNextQuestion(stage, act.inside);
            else
                NestActsInNextDialog(stage, act.inside);
        }
        OpenModalOnControls(question, act.ok);
        return;
    }
    if (act.kind == Kind::Question) {
        Stage::AnswerNextBox(act.ok ? 1 : 2);
        if (!act.inside.empty()) NestActsInNextQuestion(stage, act.inside);
        Stage::Press(panel.clears[1]);
        return;
    }
    Stage::AnswerNextColorDialog(act.ok ? u"OK" : u"Cancel", {0, 0, 255});
    if (!act.inside.empty()) NestActsInNextDialog(stage, act.inside);
    Stage::PressRight(panel.sets[1]);
}

void RunActs(Stage& stage, const PanelControls& runsIn, const NestedActs& acts) {
    for (const NestedAct& act : acts) {
        switch (act.kind) {
        case Kind::HostEvent: DeliverNested(stage, act.event); break;
        case Kind::Start:
            // Only after an exit: the exit it follows may not have come (a
            // question that did not open).
            if (stage.plugin.Exited()) stage.plugin.Start();
            break;
        case Kind::OldPanel: {
            // Clicks that were on their way before the exit hid that panel.
            const sim::HiddenInputScope late;
            WorkEveryControl(runsIn);
            break;
        }
        case Kind::NewPanel: WorkEveryControl(Stage::Panel()); break;
        case Kind::Question:
        case Kind::ColourDialog: OpenInside(stage, act); break;
        }
    }
}

std::string ActText(const NestedAct& act) {
    switch (act.kind) {
    case Kind::HostEvent: return NestedEventName(act.event);
    case Kind::Start: return "start";
    case Kind::OldPanel: return "the old panel's controls";
    case Kind::NewPanel: return "the panel's controls";
    case Kind::Question:
    case Kind::ColourDialog: break;
    }
    std::string text = act.kind == Kind::Question ? "\"Clear?\"" : "the colour dialog";
    text += act.ok ? " answered OK" : " cancelled";
    if (!act.inside.empty()) text += " (" + NestedActsText(act.inside) + " inside)";
    return text;
}

}  // namespace

NestedAct Act(NestedEvent event) {
    NestedAct act;
    act.event = event;
    return act;
}

NestedAct Act(NestedAct::Kind kind) {
    NestedAct act;
    act.kind = kind;
    return act;
}

NestedAct Opened(NestedAct::Kind kind, bool ok, NestedActs inside) {
    NestedAct act = Act(kind);
    act.ok = ok;
    act.inside = std::move(inside);
    return act;
}

std::string NestedActsText(const NestedActs& acts) {
    std::string text;
    for (const NestedAct& act : acts) text += (text.empty() ? "" : ", ") + ActText(act);
    return text;
}

void WorkEveryControl(const PanelControls& panel) {
    using sim::button_bits::kShift;
    if (!HasTackpinControls(panel)) {
        for (int id : ModuleControlsIn(panel.window)) WorkControl(id);
        sim::UserCloseWindow(panel.window);
        return;
    }
    for (std::size_t row = 0; row < panel.toggles.size(); ++row) {
        Stage::Press(panel.toggles[row]);
        Stage::PressRight(panel.toggles[row]);
        Stage::Press(panel.sets[row], kShift);
        Stage::Press(panel.sets[row]);
        Stage::Press(panel.clears[row]);
    }
    for (int box : {panel.view, panel.normal, panel.overwrite, panel.allways}) sim::UserClick(box);
    sim::UserChangeSpin(panel.spin, 12.5);
    sim::UserCloseWindow(panel.window);
}

void NestActsInNextQuestion(Stage& stage, NestedActs acts) {
    sim::Dialogs().QueueWhileMessageBoxOpen([&stage, acts = std::move(acts)] {
        RunActs(stage, Stage::PanelOf(Stage::PanelOfLastQuestion()), acts);
    });
}

void NestActsInNextDialog(Stage& stage, NestedActs acts) {
    sim::Dialogs().QueueWhileModalRunOpen([&stage, acts = std::move(acts)] {
        RunActs(stage, Stage::PanelOf(Stage::PanelOfLastDialog()), acts);
    });
}

const std::vector<std::pair<std::string, NestedActs>>& DeepNestings() {
    using E = NestedEvent;
    static const std::vector<std::pair<std::string, NestedActs>> nestings = {
        {"exit and start", {Act(E::Exit), Act(Kind::Start), Act(E::Draw)}},
        {"exit, start and both panels",
         {Act(E::Exit), Act(Kind::Start), Act(Kind::OldPanel), Act(Kind::NewPanel), Act(E::Draw)}},
        // The exit inside the first question leaves its panel deaf: the
        // second question is asked by the panel of the run started after it.
        {"a question inside",
         {Opened(Kind::Question, true, {Act(E::Exit)}), Act(Kind::Start), Act(E::Draw),
          Opened(Kind::Question, false, {Act(E::Draw)})}},
        {"the colour dialog inside",
         {Opened(Kind::ColourDialog, true, {Act(E::Exit), Act(Kind::Start), Act(Kind::NewPanel)}),
          Act(E::Draw)}},
        {"load-document and the panel",
         {Act(Kind::NewPanel), Opened(Kind::Question, true, {Act(E::LoadDocument), Act(E::Draw)}),
          Act(E::LoadDocument), Act(E::Draw),
          Opened(Kind::ColourDialog, false, {Act(E::LoadDocument), Act(Kind::NewPanel)})}},
    };
    return nestings;
}

}  // namespace validation
