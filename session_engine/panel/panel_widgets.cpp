#include "session_engine/panel/panel_widgets.h"

#include "session_engine/session/session_error.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

int FindPanel() {
    sim::WidgetModel& widgets = sim::Widgets();
    for (int id : widgets.ChildWindowsOf(widgets.MainWindowId())) {
        if (widgets.IsAlive(id) && widgets.TextProperty(id, "title") == std::u16string(u"Tackpin"))
            return id;
    }
    return 0;
}

int Panel() {
    int panel = FindPanel();
    if (panel == 0) throw SessionError("the plug-in shows no panel (\"start\" makes it)");
    return panel;
}

int RowButton(int kind, int row) {
    static const char* const kNames[] = {"toggle button", "\"Set\" button", "\"Clr\" button"};
    int panel = Panel();
    std::vector<int> buttons;
    if (kind == 0) {
        buttons = sim::Widgets().FindByText("button", Wide(std::to_string(row)), panel);
        if (!buttons.empty()) return buttons.front();
    } else {
        buttons = sim::Widgets().FindByText("button", kind == 1 ? u"Set" : u"Clr", panel);
        if (row >= 0 && row < static_cast<int>(buttons.size())) return buttons[row];
    }
    throw SessionError(std::string("the panel has no ") + kNames[kind] + " in row " +
                       std::to_string(row));
}

int CheckBox(const std::u16string& caption) {
    std::vector<int> boxes = sim::Widgets().FindByText("checkbox", caption, Panel());
    if (boxes.empty())
        throw SessionError("the panel has no check box \"" + sim::Printable(caption) + "\"");
    return boxes.front();
}

int SpinBox() {
    for (int id : WidgetTree(Panel()))
        if (sim::Widgets().ClassOf(id) == "doublespinbox") return id;
    throw SessionError("the panel has no spin box");
}

namespace {
void Collect(int id, std::vector<int>& out) {
    sim::WidgetModel& widgets = sim::Widgets();
    if (!widgets.IsAlive(id)) return;
    out.push_back(id);
    for (int child : widgets.ChildrenOf(id)) Collect(child, out);
    for (int child : widgets.ChildWindowsOf(id)) Collect(child, out);
}
}  // namespace

std::vector<int> WidgetTree(int root) {
    std::vector<int> out;
    Collect(root, out);
    return out;
}

std::string Caption(int id) {
    sim::WidgetModel& widgets = sim::Widgets();
    auto text = widgets.TextProperty(id, "text");
    if (!text) text = widgets.TextProperty(id, "title");
    return text ? sim::Printable(*text) : std::string();
}

}  // namespace host_tool
