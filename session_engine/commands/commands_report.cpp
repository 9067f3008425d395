// What the session shows: single values that `print` shows and `expect`
// compares (so a script is also a test), and the longer listings of the
// markers, the panel, the host's state, the drawing objects and the settings.
#include <algorithm>
#include <map>

#include "session_engine/commands/commands.h"
#include "session_engine/panel/marker_probe.h"
#include "session_engine/panel/panel_user.h"
#include "session_engine/panel/panel_widgets.h"
#include "session_engine/session/counted.h"
#include "session_engine/session/nearest_word.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_error.h"
#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/host_state.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

namespace {

sim::DocumentModel& Documents() { return sim::Documents(); }

std::string OnOff(bool on) { return on ? "on" : "off"; }

std::string ColourText(const float colour[3]) {
    return NumberText(colour[0]) + " " + NumberText(colour[1]) + " " + NumberText(colour[2]);
}

std::string PanelState() {
    int panel = FindPanel();
    if (panel == 0) return "none";
    return sim::Widgets().BoolProperty(panel, "visible").value_or(false) ? "shown" : "hidden";
}

int Row(Arguments& args) {
    int row = args.Int("row");
    if (row < 0) args.Fail("rows count from 0");
    return row;
}

std::vector<sim::DrawObjectInfo> DrawObjects(Session& session) {
    return Documents().DrawObjects(session.Document());
}

std::string DrawObjectText(const sim::DrawObjectInfo& info) {
    int lines = 0, points = 0;
    for (const auto& face : info.faces) {
        if (face.size() != 2) continue;
        const sim::Vec3 &a = info.vertices[face[0]], &b = info.vertices[face[1]];
        (a.x == b.x && a.y == b.y && a.z == b.z ? points : lines) += 1;
    }
    return "colour " + ColourText(info.color) + ", visibility " + std::to_string(info.visibility) +
           ", " + Counted(info.vertices.size(), "vertex", "vertices") + ", " +
           Counted(lines, "line", "lines") + ", " + Counted(points, "point", "points");
}

// Every value that `print` shows and `expect` compares, by name; each takes
// its own arguments.
using ValueFunction = std::string (*)(Session&, Arguments&);

struct ValueEntry {
    const char* name;
    const char* arguments;
    const char* meaning;
    ValueFunction read;
};

const std::vector<ValueEntry>& Values() {
    static const std::vector<ValueEntry> values = {
        {"active", "", "the plug-in's answer to host event 101 (1: activated)",
         [](Session& s, Arguments&) {
             s.RequireModule();
             return std::to_string(s.Plugin().IsActivated(s.Document()));
         }},
        {"answer", "", "what the last host event or panel handler answered",
         [](Session& s, Arguments&) { return std::to_string(s.LastAnswer()); }},
        {"panel", "", "none, shown or hidden", [](Session&, Arguments&) { return PanelState(); }},
        {"panel-position", "", "the panel's pos_x and pos_y",
         [](Session&, Arguments&) {
             int panel = Panel();
             return std::to_string(sim::Widgets().IntProperty(panel, "pos_x").value_or(0)) + " " +
                    std::to_string(sim::Widgets().IntProperty(panel, "pos_y").value_or(0));
         }},
        {"toggle", "ROW", "up or down",
         [](Session&, Arguments& a) -> std::string {
             return sim::Widgets().BoolProperty(RowButton(0, Row(a)), "down").value_or(false)
                        ? "down"
                        : "up";
         }},
        {"check", "view|normal|overwrite|allways", "on or off",
         [](Session&, Arguments& a) {
             static const char16_t* const kNames[] = {u"View", u"Normal", u"Overwrite", u"Allways"};
             int which = a.Choice("check box", {"view", "normal", "overwrite", "allways"});
             return OnOff(
                 sim::Widgets().BoolProperty(CheckBox(kNames[which]), "checked").value_or(false));
         }},
        {"spin", "", "the spin box's value",
         [](Session&, Arguments&) {
             return NumberText(sim::Widgets().DoubleProperty(SpinBox(), "position").value_or(0));
         }},
        {"marker", "ROW",
         "a row as the user finds it: toggle, colour in the dialog, what a recall selects",
         [](Session& s, Arguments& a) { return MarkerText(ProbeMarker(s, Row(a))); }},
        {"drawing-objects", "", "how many drawing objects the document holds",
         [](Session& s, Arguments&) { return std::to_string(DrawObjects(s).size()); }},
        {"drawing", "N", "drawing object N (from 0, oldest first): colour, visibility and contents",
         [](Session& s, Arguments& a) {
             int n = a.Int("drawing object");
             std::vector<sim::DrawObjectInfo> objects = DrawObjects(s);
             if (n < 0 || n >= static_cast<int>(objects.size()))
                 throw SessionError("the document holds " +
                                    Counted(objects.size(), "drawing object", "drawing objects"));
             return DrawObjectText(objects[n]);
         }},
        {"object", "", "the current object's name",
         [](Session& s, Arguments&) { return Documents().ObjectName(s.CurrentObject()); }},
        {"mesh", "", "the current object's live vertices and faces",
         [](Session& s, Arguments&) { return MeshCounts(s.CurrentObject()); }},
        {"objects", "", "the document's objects, by name (hidden ones in brackets)",
         [](Session& s, Arguments&) {
             std::string text;
             for (int i = 0; i < Documents().ObjectCount(s.Document()); ++i) {
                 MQObject object = Documents().ObjectAt(s.Document(), i);
                 if (object == nullptr) continue;
                 std::string name = Documents().ObjectName(object);
                 if (!Documents().ObjectVisible(object)) name = "(" + name + ")";
                 AppendWord(text, name);
             }
             return text;
         }},
        {"selection", "", "the current object's selection",
         [](Session& s, Arguments&) {
             MQObject object = s.CurrentObject();
             std::string text = "vertices [";
             text += IndexText(Documents().SelectedVertices(s.Document(), object));
             text += "] lines [";
             text += LineText(Documents().SelectedLines(s.Document(), object));
             text += "] faces [";
             text += IndexText(Documents().SelectedFaces(s.Document(), object));
             return text + "]";
         }},
        {"vertex", "INDEX", "a vertex of the current object: x y z",
         [](Session& s, Arguments& a) {
             MQObject object = s.CurrentObject();
             int index = a.Int("vertex");
             if (index < 0 || index >= Documents().VertexCount(object) ||
                 Documents().VertexUniqueId(object, index) < 0)
                 throw SessionError("the current object has no vertex " + std::to_string(index));
             sim::Vec3 p = Documents().VertexPosition(object, index);
             return NumberText(p.x) + " " + NumberText(p.y) + " " + NumberText(p.z);
         }},
        {"question", "", "the last question the plug-in asked",
         [](Session&, Arguments&) -> std::string {
             const auto& boxes = sim::Dialogs().MessageBoxes();
             return boxes.empty() ? "none" : sim::Printable(boxes.back().message);
         }},
        {"setting", "KEY", "the text the plug-in keeps under KEY in the host's settings",
         [](Session&, Arguments& a) -> std::string {
             std::string key = a.Word("key");
             for (const std::string& element : sim::Settings().PluginElementNames())
                 if (auto text = sim::Settings().PluginElementText(element, key)) return *text;
             return "none";
         }},
        {"redraws", "", "how often the plug-in asked the host to redraw",
         [](Session&, Arguments&) { return std::to_string(sim::RefreshRequests()); }},
        {"deactivations", "", "how often the plug-in told the host it is no longer active",
         [](Session&, Arguments&) { return std::to_string(sim::DeactivateNotices()); }},
        {"violations", "", "breaches of the host contract so far",
         [](Session&, Arguments&) { return std::to_string(sim::Violations().size()); }},
    };
    return values;
}

const ValueEntry* FindValue(const std::string& name) {
    for (const ValueEntry& value : Values())
        if (name == value.name) return &value;
    return nullptr;
}

std::string ValueNames() {
    std::string names;
    for (const ValueEntry& value : Values())
        names += (names.empty() ? "" : ", ") + std::string(value.name);
    return names;
}

// --- Listings ---------------------------------------------------------------

void PrintMarkers(Session& session) {
    Panel();
    for (int row = 0; row < 3; ++row)
        session.Show("marker " + std::to_string(row) + ": " +
                     MarkerText(ProbeMarker(session, row)));
}

std::string WidgetLine(int id) {
    sim::WidgetModel& widgets = sim::Widgets();
    const std::string widgetClass = widgets.ClassOf(id);
    std::string line = widgetClass;
    std::string caption = Caption(id);
    if (!caption.empty()) line += " \"" + caption + "\"";
    auto flag = [&](const char* property, const char* on, const char* off) {
        if (auto value = widgets.BoolProperty(id, property))
            line += std::string(" ") + (*value ? on : off);
    };
    if (widgetClass == "button" && widgets.BoolProperty(id, "toggle").value_or(false))
        flag("down", "down", "up");
    if (widgetClass == "checkbox") flag("checked", "[x]", "[ ]");
    if (widgetClass == "doublespinbox") {
        line += " " + NumberText(widgets.DoubleProperty(id, "position").value_or(0)) + " (" +
                NumberText(widgets.DoubleProperty(id, "min").value_or(0)) + " to " +
                NumberText(widgets.DoubleProperty(id, "max").value_or(0)) + ", step " +
                NumberText(widgets.DoubleProperty(id, "increment").value_or(0)) + ")";
    }
    if (widgetClass == "frame") line += " " + widgets.NarrowProperty(id, "alignment").value_or("");
    if (widgetClass == "colorpanel")
        line += " " + RgbText(widgets.RgbProperty(id, "rgb").value_or(sim::RgbValue{}));
    if (sim::IsWindowClass(widgetClass)) {
        flag("visible", "shown", "hidden");
        line += " at " + std::to_string(widgets.IntProperty(id, "pos_x").value_or(0)) + " " +
                std::to_string(widgets.IntProperty(id, "pos_y").value_or(0));
    }
    return line;
}

void PrintWidget(Session& session, int id, int depth) {
    session.Show(std::string(2 * depth, ' ') + WidgetLine(id));
    for (int child : sim::Widgets().ChildrenOf(id))
        if (sim::Widgets().IsAlive(child)) PrintWidget(session, child, depth + 1);
    for (int child : sim::Widgets().ChildWindowsOf(id))
        if (sim::Widgets().IsAlive(child)) PrintWidget(session, child, depth + 1);
}

void PrintHost(Session& session) {
    MQDocument doc = session.Document();
    int current = Documents().CurrentObjectIndex(doc);
    session.Show(
        "document: " + Counted(Documents().ObjectCount(doc), "object slot", "object slots") +
        ", current " + std::to_string(current));
    for (int i = 0; i < Documents().ObjectCount(doc); ++i) {
        MQObject object = Documents().ObjectAt(doc, i);
        if (object == nullptr) {
            session.Show("  [" + std::to_string(i) + "] (deleted)");
            continue;
        }
        session.Show(
            "  [" + std::to_string(i) + "] \"" + Documents().ObjectName(object) + "\" " +
            (Documents().ObjectVisible(object) ? "visible" : "hidden") + ", " + MeshCounts(object) +
            ", selected " +
            Counted(Documents().SelectedVertices(doc, object).size(), "vertex", "vertices") + " " +
            Counted(Documents().SelectedLines(doc, object).size(), "line", "lines") + " " +
            Counted(Documents().SelectedFaces(doc, object).size(), "face", "faces"));
    }
    session.Show("drawing objects: " + std::to_string(DrawObjects(session).size()));
    const sim::SceneOptions& view = session.ViewOptions();
    session.Show("view: vertices " + OnOff(view.showVertex) + ", lines " + OnOff(view.showLine) +
                 ", faces " + OnOff(view.showFace) + "; camera " + session.Camera().Describe());
    std::string plugin = !session.Plugin().IsLoaded()             ? "not loaded"
                         : !session.Started()                     ? "loaded, not started"
                         : session.Plugin().IsActivated(doc) != 0 ? "started, active"
                                                                  : "started, not active";
    session.Show("plug-in: " + plugin + "; panel " + PanelState());
    session.Show("redraw requests " + std::to_string(sim::RefreshRequests()) +
                 ", deactivation notices " + std::to_string(sim::DeactivateNotices()) +
                 ", questions " + std::to_string(sim::Dialogs().MessageBoxes().size()) +
                 ", colour dialogs " + std::to_string(sim::Dialogs().ModalRuns().size()) +
                 ", contract breaches " + std::to_string(sim::Violations().size()));
}

void PrintDrawing(Session& session) {
    std::vector<sim::DrawObjectInfo> objects = DrawObjects(session);
    if (objects.empty()) session.Show("no drawing objects");
    for (std::size_t n = 0; n < objects.size(); ++n) {
        const sim::DrawObjectInfo& info = objects[n];
        session.Show("drawing " + std::to_string(n) + ": " + DrawObjectText(info));
        std::string lines;
        for (const auto& face : info.faces) {
            std::string points;
            for (int point : face) AppendWord(points, std::to_string(point), "-");
            lines += " " + points;
        }
        for (std::size_t v = 0; v < info.vertices.size(); ++v) {
            const sim::Vec3& p = info.vertices[v];
            session.Show("  vertex " + std::to_string(v) + ": " + NumberText(p.x) + " " +
                         NumberText(p.y) + " " + NumberText(p.z));
        }
        if (!lines.empty()) session.Show("  lines:" + lines);
    }
}

void PrintSettings(Session& session) {
    for (const std::string& element : sim::Settings().PluginElementNames()) {
        session.Show(element + ":");
        for (const std::string& key : sim::Settings().ChildKeys(element))
            session.Show("  " + key + " = " +
                         sim::Settings().PluginElementText(element, key).value_or(""));
    }
    if (sim::Settings().PluginElementNames().empty()) session.Show("no plug-in settings");
}

void Print(Session& session, Arguments& args) {
    std::string what = args.Word("what");
    // "drawing" alone is every drawing object; "drawing N" is the value.
    const bool drawingValue = what == "drawing" && args.More();
    if (what == "markers" || what == "panel" || what == "host" ||
        (what == "drawing" && !drawingValue) || what == "settings") {
        args.End();
        if (what == "markers") PrintMarkers(session);
        if (what == "panel") PrintWidget(session, Panel(), 0);
        if (what == "host") PrintHost(session);
        if (what == "drawing") PrintDrawing(session);
        if (what == "settings") PrintSettings(session);
        return;
    }
    const ValueEntry* value = FindValue(what);
    if (value == nullptr) {
        std::vector<std::string> known = {"markers", "panel", "host", "drawing", "settings"};
        for (const ValueEntry& entry : Values()) known.push_back(entry.name);
        args.Fail("\"" + what + "\" is not markers, panel, host, drawing, settings or a value (" +
                  ValueNames() + ")" + DidYouMean(what, known));
    }
    std::string label = what;
    for (Arguments copy = args; copy.More();) label += " " + copy.Word("");
    std::string text = value->read(session, args);
    args.End();
    session.Show(label + ": " + text);
}

std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

void Expect(Session& session, Arguments& args) {
    std::string what = args.Word("value");
    const ValueEntry* value = FindValue(what);
    if (value == nullptr) args.Fail("\"" + what + "\" is not a value (" + ValueNames() + ")");
    std::vector<std::string> own;
    while (args.More() && args.Peek() != "=") own.push_back(args.Word(""));
    if (!args.Take("=")) args.Fail("missing \"=\" before the expected value");
    std::string expected = Squeezed(args.Rest());
    std::string label = what;
    for (const std::string& word : own) label += " " + word;
    Arguments valueArgs(args.Command() + " " + what, own,
                        std::string(what) + " " + value->arguments);
    std::string actual = Squeezed(value->read(session, valueArgs));
    valueArgs.End();
    if (actual != expected)
        throw ExpectationFailed("expected " + label + " = " + expected + ", but it is " + actual);
    session.Say("as expected, " + label + " = " + actual);
}

void Help(Session& session, Arguments& args) {
    if (args.More()) {
        // One command, or one value of print and expect.
        const std::string what = args.Word("command");
        args.End();
        std::vector<std::string> known;
        for (const CommandEntry& command : session.Commands()) {
            if (what == command.name) {
                session.Show(std::string(command.usage) + "\n      " + command.summary);
                return;
            }
            known.push_back(command.name);
        }
        if (const ValueEntry* value = FindValue(what)) {
            session.Show("value for print and expect: " + std::string(value->name) +
                         (*value->arguments ? " " : "") + value->arguments + ": " + value->meaning);
            return;
        }
        for (const ValueEntry& entry : Values()) known.push_back(entry.name);
        args.Fail("there is no command or value \"" + what + "\"" + DidYouMean(what, known));
    }
    for (const CommandEntry& command : session.Commands())
        session.Show(std::string(command.usage) + "\n      " + command.summary);
    session.Show("values for print and expect (expect VALUE [ARGS] = TEXT):");
    for (const ValueEntry& value : Values())
        session.Show("  " + std::string(value.name) + (*value.arguments ? " " : "") +
                     value.arguments + ": " + value.meaning);
}

}  // namespace

std::vector<CommandEntry> ReportCommands() {
    return {
        {"print", "print markers|panel|host|drawing|settings | print VALUE [ARGS]",
         "show the markers, the panel, the host's state, the drawing objects, the settings or one "
         "value",
         Print},
        {"expect", "expect VALUE [ARGS] = TEXT", "stop the session unless the value reads TEXT",
         Expect},
        {"help", "help [COMMAND|VALUE]", "list the commands and values, or tell one", Help},
    };
}

}  // namespace host_tool
