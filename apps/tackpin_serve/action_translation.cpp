#include "apps/tackpin_serve/action_translation.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <filesystem>

#include "session_engine/panel/panel_widgets.h"
#include "simhost/documents/document_model.h"
#include "simhost/widgets/widget_model.h"

namespace serve {

using nlohmann::json;

std::vector<std::string> IndexWords(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::vector<std::string> words;
    for (std::size_t i = 0; i < indices.size();) {
        std::size_t j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) ++j;
        words.push_back(j == i ? std::to_string(indices[i])
                               : std::to_string(indices[i]) + "-" + std::to_string(indices[j]));
        i = j + 1;
    }
    return words;
}

namespace {

[[noreturn]] void Refuse(int status, const std::string& reason) {
    throw RequestError(status, reason);
}

// --- Fields ------------------------------------------------------------------

const json& Field(const json& action, const char* name) {
    auto found = action.find(name);
    if (found == action.end()) Refuse(400, std::string("missing field \"") + name + "\"");
    return *found;
}

int IntOf(const json& value, const std::string& name) {
    if (!value.is_number_integer()) Refuse(400, "\"" + name + "\" is not an integer");
    const auto number = value.get<long long>();
    if (number < INT_MIN || number > INT_MAX) Refuse(400, "\"" + name + "\" is out of range");
    return static_cast<int>(number);
}

int IntField(const json& action, const char* name) { return IntOf(Field(action, name), name); }

double NumberOf(const json& value, const std::string& name) {
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        Refuse(400, "\"" + name + "\" is not a number");
    return value.get<double>();
}

bool BoolField(const json& action, const char* name, bool absent) {
    auto found = action.find(name);
    if (found == action.end()) return absent;
    if (!found->is_boolean()) Refuse(400, std::string("\"") + name + "\" is not true or false");
    return found->get<bool>();
}

std::string StringField(const json& action, const char* name) {
    const json& value = Field(action, name);
    if (!value.is_string()) Refuse(400, std::string("\"") + name + "\" is not a string");
    return value.get<std::string>();
}

std::vector<int> IntList(const json& action, const char* name) {
    auto found = action.find(name);
    if (found == action.end()) return {};
    if (!found->is_array()) Refuse(400, std::string("\"") + name + "\" is not a list");
    std::vector<int> list;
    for (const json& item : *found) list.push_back(IntOf(item, name + std::string(" item")));
    return list;
}

std::string NumberWord(double value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// --- The host's things ---------------------------------------------------------

bool InTree(int root, int id) {
    std::vector<int> tree = host_tool::WidgetTree(root);
    return std::find(tree.begin(), tree.end(), id) != tree.end();
}

std::string ClassWord(int id) {
    std::string widgetClass = sim::Widgets().ClassOf(id);
    return "widget " + std::to_string(id) + " is a " + widgetClass;
}

[[noreturn]] void UnknownWidget(int id) { Refuse(404, "unknown widget " + std::to_string(id)); }

// The panel's widget `id`; 404 unless it is a live widget of the panel.
int PanelWidget(int id) {
    const int panel = host_tool::FindPanel();
    if (panel == 0 || !InTree(panel, id)) UnknownWidget(id);
    return panel;
}

MQObject ObjectOf(host_tool::Session& session, const json& action, const ActionContext& context) {
    const int id = IntField(action, "object");
    MQObject object = sim::Documents().ObjectFromUniqueId(session.Document(), id);
    if (object != nullptr) return object;
    if (context.objectsSeen.count(id) != 0)
        Refuse(409, "object " + std::to_string(id) + " is gone");
    Refuse(404, "unknown object " + std::to_string(id));
}

std::string IndexWord(host_tool::Session& session, MQObject object) {
    return "[" + std::to_string(sim::Documents().ObjectIndex(session.Document(), object)) + "]";
}

MQObject CurrentOrRefuse(host_tool::Session& session) {
    sim::DocumentModel& documents = sim::Documents();
    const int index = documents.CurrentObjectIndex(session.Document());
    MQObject object = index >= 0 ? documents.ObjectAt(session.Document(), index) : nullptr;
    if (object == nullptr) Refuse(409, "the document has no current object");
    return object;
}

bool VertexAlive(MQObject object, int index) {
    const sim::Mesh* mesh = sim::Documents().MeshOf(object);
    return mesh->HasVertexSlot(index) && mesh->VertexAlive(index);
}

bool FaceAlive(MQObject object, int index) {
    const sim::Mesh* mesh = sim::Documents().MeshOf(object);
    return mesh->HasFaceSlot(index) && mesh->FacePointCount(index) > 0;
}

// --- The actions -----------------------------------------------------------------

// The dialog open now that holds `id`, as its index in the modal list; -1
// when none does.
int DialogHolding(const std::vector<ModalEntry>& modal, int id) {
    for (int i = static_cast<int>(modal.size()) - 1; i >= 0; --i) {
        const ModalEntry& entry = modal[i];
        if (!entry.question && sim::Widgets().IsAlive(entry.dialog) && InTree(entry.dialog, id))
            return i;
    }
    return -1;
}

void RequireInnermost(const std::vector<ModalEntry>& modal, int index) {
    if (index != static_cast<int>(modal.size()) - 1)
        Refuse(409, "a question is open over the dialog");
}

const char* const kCheckWords[] = {"view", "normal", "overwrite", "allways"};
const char16_t* const kCheckCaptions[] = {u"View", u"Normal", u"Overwrite", u"Allways"};

std::vector<std::string> CheckCommand(int box, bool on) {
    const std::u16string caption = sim::Widgets().TextProperty(box, "text").value_or(u"");
    for (int i = 0; i < 4; ++i)
        if (caption == kCheckCaptions[i]) return {"check", kCheckWords[i], on ? "on" : "off"};
    Refuse(409, "the session language has no command for the check box \"" + Utf8(caption) + "\"");
}

Translation Click(const json& action, const ActionContext& context) {
    const int id = IntField(action, "widget");
    const std::string button = action.contains("button") ? StringField(action, "button") : "left";
    if (button != "left" && button != "right") Refuse(400, "\"button\" is \"left\" or \"right\"");
    const bool right = button == "right";
    const bool shift = BoolField(action, "shift", false), ctrl = BoolField(action, "ctrl", false);
    sim::WidgetModel& widgets = sim::Widgets();
    if (int holder = DialogHolding(context.modal, id); holder >= 0) {
        RequireInnermost(context.modal, holder);
        if (widgets.ClassOf(id) != "button")
            Refuse(400, ClassWord(id) + ": a click in the dialog goes to its buttons");
        const std::u16string caption = widgets.TextProperty(id, "text").value_or(u"");
        if (caption != u"OK" && caption != u"Cancel")
            Refuse(409, "the session language has no command for the dialog's button \"" +
                            Utf8(caption) + "\"");
        if (right) Refuse(409, "a right click does not press the dialog's buttons");
        Translation translation;
        translation.step = Step::DialogButton;
        translation.widget = id;
        translation.redraw = false;
        return translation;
    }
    const int panel = PanelWidget(id);
    const std::string widgetClass = widgets.ClassOf(id);
    Translation translation;
    if (widgetClass == "checkbox") {
        translation.commands.push_back(
            CheckCommand(id, !widgets.BoolProperty(id, "checked").value_or(false)));
        return translation;
    }
    if (widgetClass != "button")
        Refuse(400, ClassWord(id) + ": a click goes to buttons and check boxes");
    const std::u16string caption = widgets.TextProperty(id, "text").value_or(u"");
    std::string kind;
    int row = -1;
    if (caption == u"Set" || caption == u"Clr") {
        kind = caption == u"Set" ? "set" : "clr";
        std::vector<int> same = widgets.FindByText("button", caption, panel);
        row = static_cast<int>(std::find(same.begin(), same.end(), id) - same.begin());
    } else if (!caption.empty() &&
               std::all_of(caption.begin(), caption.end(),
                           [](char16_t c) { return c >= u'0' && c <= u'9'; }) &&
               caption.size() < 6) {
        kind = "toggle";
        row = std::stoi(Utf8(caption));
        // The row's toggle is the first button captioned with its number.
        if (widgets.FindByText("button", caption, panel).front() != id) row = -1;
    }
    if (row < 0)
        Refuse(409, "the session language has no command for the button \"" + Utf8(caption) + "\"");
    std::vector<std::string> words = {"click"};
    if (right) words.push_back("right");
    if (shift) words.push_back("shift");
    if (ctrl) words.push_back("ctrl");
    words.push_back(kind);
    words.push_back(std::to_string(row));
    translation.commands.push_back(words);
    return translation;
}

Translation Check(const json& action) {
    const int id = IntField(action, "widget");
    const bool on = BoolField(action, "on", false);
    if (!action.contains("on")) Refuse(400, "missing field \"on\"");
    PanelWidget(id);
    if (sim::Widgets().ClassOf(id) != "checkbox") Refuse(400, ClassWord(id) + ", not a check box");
    Translation translation;
    translation.commands.push_back(CheckCommand(id, on));
    return translation;
}

Translation Spin(const json& action) {
    const int id = IntField(action, "widget");
    const double value = NumberOf(Field(action, "value"), "value");
    PanelWidget(id);
    if (sim::Widgets().ClassOf(id) != "doublespinbox")
        Refuse(400, ClassWord(id) + ", not a spin box");
    Translation translation;
    translation.commands.push_back({"spin", NumberWord(value)});
    return translation;
}

Translation Colour(const json& action, const ActionContext& context) {
    const int id = IntField(action, "widget");
    const json& rgb = Field(action, "rgb");
    if (!rgb.is_array() || rgb.size() != 3) Refuse(400, "\"rgb\" is not [R, G, B]");
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        parts[i] = IntOf(rgb[i], "rgb");
        if (parts[i] < 0 || parts[i] > 255) Refuse(400, "colour components run from 0 to 255");
    }
    const int holder = DialogHolding(context.modal, id);
    if (holder < 0) UnknownWidget(id);
    RequireInnermost(context.modal, holder);
    if (sim::Widgets().ClassOf(id) != "colorpanel")
        Refuse(400, ClassWord(id) + ", not a colour panel");
    Translation translation;
    translation.step = Step::DialogColour;
    translation.widget = id;
    translation.rgb = sim::RgbValue{parts[0], parts[1], parts[2]};
    translation.redraw = false;
    return translation;
}

Translation Close(const json& action, const ActionContext& context) {
    const int id = IntField(action, "widget");
    Translation translation;
    for (std::size_t i = 0; i < context.modal.size(); ++i) {
        if (context.modal[i].question || context.modal[i].dialog != id) continue;
        RequireInnermost(context.modal, static_cast<int>(i));
        translation.step = Step::DialogClose;
        translation.redraw = false;
        return translation;
    }
    if (id == 0 || id != host_tool::FindPanel()) UnknownWidget(id);
    translation.commands.push_back({"close"});
    return translation;
}

Translation Answer(const json& action, const ActionContext& context) {
    const std::string answer = StringField(action, "answer");
    if (answer != "ok" && answer != "cancel") Refuse(400, "\"answer\" is \"ok\" or \"cancel\"");
    if (context.modal.empty() || !context.modal.back().question) Refuse(409, "no question is open");
    Translation translation;
    translation.step = Step::Answer;
    translation.answer = answer == "ok" ? 1 : 2;
    translation.redraw = false;
    return translation;
}

Translation Select(host_tool::Session& session, const json& action, const ActionContext& context) {
    MQObject object = ObjectOf(session, action, context);
    const std::string mode = action.contains("mode") ? StringField(action, "mode") : "set";
    if (mode != "set" && mode != "add" && mode != "remove")
        Refuse(400, "\"mode\" is \"set\", \"add\" or \"remove\"");
    const std::vector<int> vertices = IntList(action, "vertices");
    const std::vector<int> faces = IntList(action, "faces");
    std::vector<std::string> lineWords;
    if (auto lines = action.find("lines"); lines != action.end()) {
        if (!lines->is_array()) Refuse(400, "\"lines\" is not a list");
        for (const json& line : *lines) {
            if (!line.is_array() || line.size() != 2) Refuse(400, "a line is [FACE, LINE]");
            const int face = IntOf(line[0], "lines"), index = IntOf(line[1], "lines");
            if (!FaceAlive(object, face) || index < 0 ||
                index >= sim::Documents().MeshOf(object)->FacePointCount(face))
                Refuse(409, "\"" + sim::Documents().ObjectName(object) + "\" has no line " +
                                std::to_string(face) + ":" + std::to_string(index));
            lineWords.push_back(std::to_string(face) + ":" + std::to_string(index));
        }
    }
    const std::string name = sim::Documents().ObjectName(object);
    for (int vertex : vertices)
        if (!VertexAlive(object, vertex))
            Refuse(409, "\"" + name + "\" has no vertex " + std::to_string(vertex));
    for (int face : faces)
        if (!FaceAlive(object, face))
            Refuse(409, "\"" + name + "\" has no face " + std::to_string(face));
    Translation translation;
    const int current = sim::Documents().CurrentObjectIndex(session.Document());
    if (current != sim::Documents().ObjectIndex(session.Document(), object))
        translation.commands.push_back({"current", IndexWord(session, object)});
    if (mode == "set") translation.commands.push_back({"select", "none"});
    const std::string verb = mode == "remove" ? "deselect" : "select";
    auto add = [&](const char* kind, std::vector<std::string> words) {
        if (words.empty()) return;
        words.insert(words.begin(), {verb, kind});
        translation.commands.push_back(std::move(words));
    };
    add("vertices", IndexWords(vertices));
    add("lines", lineWords);
    add("faces", IndexWords(faces));
    return translation;
}

Translation View(const json& action) {
    std::vector<std::string> words = {"view"};
    for (const char* kind : {"vertices", "lines", "faces"}) {
        if (!action.contains(kind)) continue;
        words.push_back(kind);
        words.push_back(BoolField(action, kind, false) ? "on" : "off");
    }
    if (words.size() == 1) Refuse(400, "name \"vertices\", \"lines\" or \"faces\"");
    Translation translation;
    translation.commands.push_back(words);
    return translation;
}

Translation OnObject(host_tool::Session& session, const json& action, const std::string& verb,
                     const ActionContext& context) {
    MQObject object = ObjectOf(session, action, context);
    Translation translation;
    translation.commands.push_back({verb, IndexWord(session, object)});
    return translation;
}

Translation DeleteSelection(host_tool::Session& session) {
    MQObject object = CurrentOrRefuse(session);
    sim::DocumentModel& documents = sim::Documents();
    const std::vector<int> vertices = documents.SelectedVertices(session.Document(), object);
    // Faces that go with a deleted vertex are gone before their own turn.
    std::vector<int> faces;
    for (int face : documents.SelectedFaces(session.Document(), object)) {
        const std::vector<int>& points = documents.MeshOf(object)->FacePoints(face);
        if (std::none_of(points.begin(), points.end(), [&](int point) {
                return std::binary_search(vertices.begin(), vertices.end(), point);
            }))
            faces.push_back(face);
    }
    if (vertices.empty() && faces.empty())
        Refuse(409, "no vertex or face of \"" + documents.ObjectName(object) + "\" is selected");
    Translation translation;
    if (!vertices.empty()) {
        std::vector<std::string> words = IndexWords(vertices);
        words.insert(words.begin(), {"delete", "vertices"});
        translation.commands.push_back(words);
    }
    if (!faces.empty()) {
        std::vector<std::string> words = IndexWords(faces);
        words.insert(words.begin(), {"delete", "faces"});
        translation.commands.push_back(words);
    }
    return translation;
}

Translation MoveSelection(host_tool::Session& session, const json& action) {
    const json& by = Field(action, "by");
    if (!by.is_array() || by.size() != 3) Refuse(400, "\"by\" is not [X, Y, Z]");
    std::vector<std::string> amount;
    for (const json& part : by) amount.push_back(NumberWord(NumberOf(part, "by")));
    MQObject object = CurrentOrRefuse(session);
    sim::DocumentModel& documents = sim::Documents();
    const sim::Mesh& mesh = *documents.MeshOf(object);
    std::vector<int> vertices = documents.SelectedVertices(session.Document(), object);
    for (int face : documents.SelectedFaces(session.Document(), object))
        for (int point : mesh.FacePoints(face)) vertices.push_back(point);
    for (auto [face, line] : documents.SelectedLines(session.Document(), object)) {
        const std::vector<int>& points = mesh.FacePoints(face);
        if (points.empty()) continue;
        vertices.push_back(points[line % points.size()]);
        vertices.push_back(points[(line + 1) % points.size()]);
    }
    if (vertices.empty())
        Refuse(409, "nothing of \"" + documents.ObjectName(object) + "\" is selected");
    std::vector<std::string> words = IndexWords(vertices);
    words.insert(words.begin(), "move");
    words.push_back("by");
    words.insert(words.end(), amount.begin(), amount.end());
    Translation translation;
    translation.commands.push_back(words);
    return translation;
}

Translation OpenExample(const json& action, const ActionContext& context) {
    const std::string name = StringField(action, "name");
    if (std::find(context.examples.begin(), context.examples.end(), name) == context.examples.end())
        Refuse(404, "no example file \"" + name + "\"");
    Translation translation;
    translation.commands.push_back(
        {"open", std::filesystem::absolute(std::filesystem::path(context.examplesFolder) / name)
                     .lexically_normal()
                     .string()});
    return translation;
}

Translation Plain(const std::string& name, const ActionContext& context) {
    if (name == "restart" && !context.modal.empty())
        Refuse(409, "the host cannot restart while the plug-in waits for an answer");
    Translation translation;
    translation.commands.push_back({name});
    translation.redraw = name != "draw";
    return translation;
}

}  // namespace

Translation Translate(host_tool::Session& session, const json& action,
                      const ActionContext& context) {
    if (!action.is_object()) Refuse(400, "an action is a JSON object");
    const std::string name = StringField(action, "action");
    if (name == "click") return Click(action, context);
    if (name == "check") return Check(action);
    if (name == "spin") return Spin(action);
    if (name == "colour") return Colour(action, context);
    if (name == "close") return Close(action, context);
    if (name == "answer") return Answer(action, context);
    if (name == "place") {
        Translation translation;
        translation.commands.push_back({"place", std::to_string(IntField(action, "x")),
                                        std::to_string(IntField(action, "y"))});
        return translation;
    }
    if (name == "select") return Select(session, action, context);
    if (name == "select-all" || name == "select-none") {
        Translation translation;
        translation.commands.push_back({"select", name == "select-all" ? "all" : "none"});
        return translation;
    }
    if (name == "view") return View(action);
    if (name == "current" || name == "show" || name == "hide")
        return OnObject(session, action, name, context);
    if (name == "delete-selection") return DeleteSelection(session);
    if (name == "compact") {
        CurrentOrRefuse(session);
        return Plain("compact", context);
    }
    if (name == "move-selection") return MoveSelection(session, action);
    if (name == "open-example") return OpenExample(action, context);
    for (const char* plain :
         {"new-document", "start", "activate", "deactivate", "exit", "draw", "restart"})
        if (name == plain) return Plain(name, context);
    Refuse(400, "unknown action \"" + name + "\"");
}

}  // namespace serve
