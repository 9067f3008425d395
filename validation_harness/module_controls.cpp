#include "validation_harness/module_controls.h"

#include <initializer_list>

#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"

namespace validation {

namespace {

bool IsControlClass(const std::string& widgetClass) {
    return widgetClass == "button" || widgetClass == "checkbox" || widgetClass == "doublespinbox" ||
           widgetClass == "spinbox";
}

bool IsSpinClass(const std::string& widgetClass) {
    return widgetClass == "doublespinbox" || widgetClass == "spinbox";
}

// Questions and modal runs the host has opened so far.
std::size_t ModalsOpened(bool question) {
    const sim::DialogResponder& dialogs = sim::Dialogs();
    return question ? dialogs.MessageBoxes().size() : dialogs.ModalRuns().size();
}

}  // namespace

bool HasTackpinControls(const PanelControls& panel) { return panel.sets[0] != 0; }

std::vector<int> ModuleControls() {
    const sim::WidgetModel& widgets = sim::Widgets();
    std::vector<int> controls;
    for (int id : widgets.LiveWidgetsOfPlugin())
        if (IsControlClass(widgets.ClassOf(id))) controls.push_back(id);
    return controls;
}

std::vector<int> ModuleControlsIn(int window) {
    const sim::WidgetModel& widgets = sim::Widgets();
    std::vector<int> controls;
    if (window == 0 || !widgets.IsAlive(window)) return controls;
    std::vector<int> pending{window};
    while (!pending.empty()) {
        const int id = pending.back();
        pending.pop_back();
        if (IsControlClass(widgets.ClassOf(id))) controls.push_back(id);
        for (const std::vector<int>& next : {widgets.ChildrenOf(id), widgets.ChildWindowsOf(id)})
            for (int child : next)
                if (widgets.IsAlive(child)) pending.push_back(child);
    }
    return controls;
}

void WorkControl(int id) {
    const std::string widgetClass = sim::Widgets().ClassOf(id);
    if (IsSpinClass(widgetClass)) {
        sim::UserChangeSpin(id, 12.5);
    } else if (widgetClass == "checkbox") {
        sim::UserClick(id);
    } else {
        Stage::Press(id);
        Stage::PressRight(id);
    }
}

std::string ActOnControl(int id, Choices& pick) {
    const std::string widgetClass = sim::Widgets().ClassOf(id);
    const std::string text = widgetClass + " " + std::to_string(id);
    const int buttons = pick.Pick(4) * sim::button_bits::kShift;  // none, shift, ctrl, both
    switch (pick.Pick(3)) {
    case 0:
        if (IsSpinClass(widgetClass)) {
            sim::UserChangeSpin(id, static_cast<double>(pick.Pick(41) - 20) * 2.5);
            return text + " changed";
        }
        sim::UserClick(id);
        return text + " clicked";
    case 1: Stage::Press(id, buttons); return text + " left down, keys " + std::to_string(buttons);
    default:
        Stage::PressRight(id, buttons);
        return text + " right down, keys " + std::to_string(buttons);
    }
}

bool OpenModalOnControls(bool question, bool ok) {
    sim::DialogResponder& dialogs = sim::Dialogs();
    const int answer = ok ? 1 : 2;
    if (question)
        dialogs.QueueMessageBoxAnswer(answer);
    else
        dialogs.QueueModalAnswer(answer);
    const std::size_t before = ModalsOpened(question);
    for (bool right : {false, true}) {
        for (int id : ModuleControls()) {
            if (right && sim::Widgets().ClassOf(id) != "button") continue;
            if (right)
                Stage::PressRight(id);
            else
                sim::UserClick(id);
            if (ModalsOpened(question) > before) return true;
        }
    }
    // Nothing opened: what was queued for it must not answer a later one.
    dialogs.DropPending();
    return false;
}

}  // namespace validation
