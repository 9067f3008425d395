#include "session_engine/panel/panel_user.h"

#include "session_engine/panel/panel_widgets.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

std::string RgbText(const sim::RgbValue& rgb) {
    return std::to_string(rgb.r) + " " + std::to_string(rgb.g) + " " + std::to_string(rgb.b);
}

int ColourPanelIn(int dialogId) {
    for (int id : WidgetTree(dialogId))
        if (sim::Widgets().ClassOf(id) == "colorpanel") return id;
    return 0;
}

void QueueColourDialog(std::optional<sim::RgbValue> colour, ColourExit exit,
                       std::vector<std::string>* log) {
    sim::Dialogs().QueueModalAction([colour, exit, log](int dialogId) -> std::optional<int> {
        sim::WidgetModel& widgets = sim::Widgets();
        std::string seen = "colour dialog";
        auto x = widgets.IntProperty(dialogId, "pos_x"), y = widgets.IntProperty(dialogId, "pos_y");
        if (x && y) seen += " at " + std::to_string(*x) + " " + std::to_string(*y);
        int panel = ColourPanelIn(dialogId);
        if (panel != 0) {
            seen +=
                ", showing " + RgbText(widgets.RgbProperty(panel, "rgb").value_or(sim::RgbValue{}));
            if (colour) {
                widgets.SetByUser(panel, "rgb", *colour);
                seen += ", set to " + RgbText(*colour);
            }
        } else {
            seen += ", without a colour panel";
        }
        std::optional<int> answer;
        if (exit == ColourExit::Close) {
            seen += ", closed";
        } else {
            const char16_t* caption = exit == ColourExit::Ok ? u"OK" : u"Cancel";
            std::vector<int> buttons = widgets.FindByText("button", caption, dialogId);
            if (buttons.empty()) {
                seen += std::string(", has no \"") + (exit == ColourExit::Ok ? "OK" : "Cancel") +
                        "\" button";
            } else {
                sim::UserLeftDown(buttons.front());
                answer = widgets.IntProperty(buttons.front(), "modalresult");
                if (answer == 0) answer.reset();
                seen += std::string(", ") + (exit == ColourExit::Ok ? "OK" : "Cancel");
            }
        }
        if (log != nullptr) log->push_back(seen);
        return answer;
    });
}

sim::PointerInfo PointerAt(int widgetId, bool shift, bool ctrl) {
    sim::WidgetModel& widgets = sim::Widgets();
    sim::PointerInfo pointer;
    int panel = FindPanel();
    int left = panel != 0 ? widgets.IntProperty(panel, "pos_x").value_or(0) : 0;
    int top = panel != 0 ? widgets.IntProperty(panel, "pos_y").value_or(0) : 0;
    // A place over the widget, apart for each widget of the panel.
    std::vector<int> tree = panel != 0 ? WidgetTree(panel) : std::vector<int>{};
    int order = 0;
    for (std::size_t i = 0; i < tree.size(); ++i)
        if (tree[i] == widgetId) order = static_cast<int>(i);
    pointer.clientX = 12 + 8 * (order % 4);
    pointer.clientY = 10;
    pointer.screenX = left + 20 + 16 * (order % 4);
    pointer.screenY = top + 30 + 8 * order;
    pointer.downX = pointer.lastX = pointer.clientX;
    pointer.downY = pointer.lastY = pointer.clientY;
    if (shift) pointer.buttonState |= sim::button_bits::kShift;
    if (ctrl) pointer.buttonState |= sim::button_bits::kCtrl;
    return pointer;
}

}  // namespace host_tool
