#include "validation_harness/stage.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "simhost/documents/document_model.h"
#include "simhost/documents/mesh_builders.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"

namespace validation {

namespace {

// The first live widget of `widgetClass` in the tree under `root`, child
// windows included; 0 when none.
int FirstOfClass(const std::string& widgetClass, int root) {
    const sim::WidgetModel& widgets = sim::Widgets();
    if (!widgets.IsAlive(root)) return 0;
    if (widgets.ClassOf(root) == widgetClass) return root;
    for (const std::vector<int>& next : {widgets.ChildrenOf(root), widgets.ChildWindowsOf(root)})
        for (int id : next)
            if (int found = FirstOfClass(widgetClass, id); found != 0) return found;
    return 0;
}

}  // namespace

void Stage::OpenDocument() {
    sim::DocumentModel& documents = sim::Documents();
    doc = documents.NewDocument();
    grid = documents.AddObject(doc, "torus");
    sim::AddClosedGrid(grid, 4, 3);
    square = documents.AddObject(doc, "square");
    sim::AddQuad(square, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
    line = documents.AddObject(doc, "line");
    documents.AddVertex(line, {0, 0, 0});
    documents.AddVertex(line, {0, 0, 1});
    documents.AddFace(line, {0, 1});
    documents.SetCurrentObject(doc, 0);
    scene = documents.NewScene(doc, {1, 1, 1, 0, 0});
    sim::Widgets().SetEventDocument(doc);
}

void Stage::PresetSettings() {
    unsigned int product = 0, id = 0;
    plugin.Exports().getPlugInId(&product, &id);
    char element[32];
    std::snprintf(element, sizeof element, "Plugin-%08X-%08X", product, id);
    static const char* const kKeys[][2] = {
        {"Tackpin_activate", "1"}, {"PosX", "120"},         {"PosY", "80"},
        {"r0", "1.000000e+000"},   {"g0", "0.000000e+000"}, {"b0", "1.000000e+000"},
        {"r1", "0.000000e+000"},   {"g1", "5.019608e-001"}, {"b1", "1.000000e+000"},
        {"r2", "1.000000e+000"},   {"g2", "1.000000e+000"}, {"b2", "0.000000e+000"}};
    for (const auto& [key, text] : kKeys) sim::Settings().SetChildText(element, key, text);
}

int Stage::PanelWindow() {
    const sim::WidgetModel& widgets = sim::Widgets();
    int newest = 0;
    for (int id : widgets.ChildWindowsOf(widgets.MainWindowId()))
        if (widgets.IsAlive(id) && widgets.ClassOf(id) == "window" && id > newest) newest = id;
    return newest;
}

PanelControls Stage::Panel() { return PanelOf(PanelWindow()); }

PanelControls Stage::Panel(int window) { return PanelOf(window); }

PanelControls Stage::PanelOf(int window) {
    const sim::WidgetModel& widgets = sim::Widgets();
    PanelControls panel;
    panel.window = window;
    if (panel.window == 0 || !widgets.IsAlive(window)) return panel;
    auto one = [&](const char* widgetClass, const std::u16string& text) {
        std::vector<int> found = widgets.FindByText(widgetClass, text, panel.window);
        return found.size() == 1 ? found[0] : 0;
    };
    auto three = [&](const std::u16string& text) {
        std::vector<int> found = widgets.FindByText("button", text, panel.window);
        std::array<int, 3> ids{};
        for (std::size_t i = 0; i < ids.size() && i < found.size(); ++i) ids[i] = found[i];
        return ids;
    };
    panel.toggles = {one("button", u"0"), one("button", u"1"), one("button", u"2")};
    panel.sets = three(u"Set");
    panel.clears = three(u"Clr");
    panel.view = one("checkbox", u"View");
    panel.normal = one("checkbox", u"Normal");
    panel.overwrite = one("checkbox", u"Overwrite");
    panel.allways = one("checkbox", u"Allways");
    panel.spin = FirstOfClass("doublespinbox", panel.window);
    return panel;
}

int Stage::PanelOfLastQuestion() {
    const std::vector<sim::MessageBoxRecord>& boxes = sim::Dialogs().MessageBoxes();
    if (boxes.empty() || !sim::Widgets().IsAlive(boxes.back().parent)) return 0;
    return boxes.back().parent;
}

int Stage::PanelOfLastDialog() {
    const std::vector<sim::ModalRunRecord>& runs = sim::Dialogs().ModalRuns();
    if (runs.empty()) return 0;
    const sim::WidgetModel& widgets = sim::Widgets();
    for (int id : widgets.ChildWindowsOf(widgets.MainWindowId())) {
        const std::vector<int> owned = widgets.ChildWindowsOf(id);
        if (widgets.IsAlive(id) &&
            std::find(owned.begin(), owned.end(), runs.back().dialog) != owned.end())
            return id;
    }
    return 0;
}

int Stage::ColorPanel() {
    const sim::WidgetModel& widgets = sim::Widgets();
    for (int id : widgets.LiveWidgetsOfPlugin())
        if (widgets.ClassOf(id) == "colorpanel") return id;
    return 0;
}

void Stage::Select(std::initializer_list<int> vertices) {
    sim::DocumentModel& documents = sim::Documents();
    documents.ClearSelection(doc);
    const int current = documents.CurrentObjectIndex(doc);
    MQObject object = current >= 0 ? documents.ObjectAt(doc, current) : nullptr;
    if (object == nullptr) return;
    for (int v : vertices)
        if (v < documents.VertexCount(object)) documents.SelectVertex(doc, object, v);
}

sim::EventOutcome Stage::Press(int id, int buttons) {
    sim::PointerInfo pointer;
    pointer.buttonState = buttons;
    return sim::UserLeftDown(id, pointer);
}

sim::EventOutcome Stage::PressRight(int id, int buttons) {
    sim::PointerInfo pointer;
    pointer.buttonState = buttons;
    pointer.screenX = 320;
    pointer.screenY = 240;
    return sim::UserRightDown(id, pointer);
}

void Stage::AnswerNextBox(int answer) { sim::Dialogs().QueueMessageBoxAnswer(answer); }

void Stage::AnswerNextColorDialog(std::u16string caption, sim::RgbValue rgb) {
    sim::Dialogs().QueueModalAction([caption, rgb](int dialog) -> std::optional<int> {
        sim::WidgetModel& widgets = sim::Widgets();
        // This dialog's own: another may run around it.
        if (int panel = FirstOfClass("colorpanel", dialog); panel != 0)
            widgets.SetByUser(panel, "rgb", rgb);
        if (caption.empty()) return std::nullopt;
        std::vector<int> buttons = widgets.FindByText("button", caption, dialog);
        if (buttons.empty()) return std::nullopt;
        sim::UserLeftDown(buttons.front());
        return widgets.IntProperty(buttons.front(), "modalresult");
    });
}

int Stage::Draw() { return plugin.Draw(doc, scene, 640, 480); }

}  // namespace validation
