#include "validation_harness/nested_events.h"

#include "simhost/widgets/widget_dialogs.h"
#include "validation_harness/module_controls.h"

namespace validation {

std::string NestedEventName(NestedEvent event) {
    switch (event) {
    case NestedEvent::Draw: return "draw";
    case NestedEvent::Exit: return "exit";
    case NestedEvent::LoadDocument: return "load-document";
    case NestedEvent::Deactivate: return "deactivation";
    case NestedEvent::Activate: return "activation";
    case NestedEvent::Event210: return "event 210";
    case NestedEvent::Event220: return "event 220";
    case NestedEvent::Event221: return "event 221";
    }
    return "event";
}

std::string ModalPlaceName(ModalPlace place) {
    switch (place) {
    case ModalPlace::ColourDialog: return "the colour dialog";
    case ModalPlace::Overwrite: return "\"Overwrite?\"";
    case ModalPlace::Add: return "\"Add?\"";
    case ModalPlace::Clear: return "\"Clear?\"";
    }
    return "a modal run";
}

void DeliverNested(Stage& stage, NestedEvent event) {
    sim::PluginModule& plugin = stage.plugin;
    switch (event) {
    case NestedEvent::Draw: stage.Draw(); return;
    case NestedEvent::Exit: plugin.Exit(); return;
    case NestedEvent::LoadDocument:
        stage.OpenDocument();
        plugin.LoadDocument(stage.doc, "nested.mqo");
        return;
    case NestedEvent::Deactivate: plugin.Activate(stage.doc, 0); return;
    case NestedEvent::Activate: plugin.Activate(stage.doc, 1); return;
    case NestedEvent::Event210: plugin.DocumentEvent(stage.doc, 210); return;
    case NestedEvent::Event220: plugin.DocumentEvent(stage.doc, 220); return;
    case NestedEvent::Event221: plugin.DocumentEvent(stage.doc, 221); return;
    }
}

void NestInNextQuestion(Stage& stage, NestedEvent event) {
    sim::Dialogs().QueueWhileMessageBoxOpen([&stage, event] { DeliverNested(stage, event); });
}

void NestInNextDialog(Stage& stage, NestedEvent event) {
    sim::Dialogs().QueueWhileModalRunOpen([&stage, event] { DeliverNested(stage, event); });
}

int RunModalPlace(Stage& stage, ModalPlace place, bool ok, sim::RgbValue rgb) {
    using sim::button_bits::kCtrl;
    using sim::button_bits::kShift;
    if (!HasTackpinControls(stage.Panel())) {
        const bool question = place != ModalPlace::ColourDialog;
        return OpenModalOnControls(question, ok) ? 1 : 0;
    }
    stage.Select({0, 1});
    Stage::Press(stage.Panel().sets[1], kShift);
    stage.Select({2});
    const PanelControls panel = stage.Panel();
    if (place == ModalPlace::ColourDialog) {
        Stage::AnswerNextColorDialog(ok ? u"OK" : u"Cancel", rgb);
        return Stage::PressRight(panel.sets[1]).answer;
    }
    Stage::AnswerNextBox(ok ? 1 : 2);
    switch (place) {
    case ModalPlace::Overwrite: return Stage::Press(panel.sets[1]).answer;
    case ModalPlace::Add: return Stage::Press(panel.sets[1], kCtrl).answer;
    default: return Stage::Press(panel.clears[1]).answer;
    }
}

}  // namespace validation
