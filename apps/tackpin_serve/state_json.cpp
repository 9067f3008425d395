#include "apps/tackpin_serve/state_json.h"

#include <fstream>
#include <functional>
#include <sstream>

#include "simhost/documents/document_model.h"
#include "simhost/widgets/widget_model.h"

namespace serve {

using nlohmann::json;

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;  // an unpaired surrogate
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

json Value(const sim::PropertyValue& value) {
    return std::visit(
        [](const auto& v) -> json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::u16string>) {
                return Utf8(v);
            } else if constexpr (std::is_same_v<T, sim::RgbValue>) {
                return json::array({v.r, v.g, v.b});
            } else {
                return v;
            }
        },
        value);
}

json Objects(host_tool::Session& session,
             const std::function<std::pair<int, int>(int, const sim::Mesh&)>& counts) {
    sim::DocumentModel& documents = sim::Documents();
    MQDocument doc = session.Document();
    const int current = documents.CurrentObjectIndex(doc);
    json objects = json::array();
    for (int i = 0; i < documents.ObjectCount(doc); ++i) {
        MQObject object = documents.ObjectAt(doc, i);
        if (object == nullptr) continue;
        const sim::Mesh* mesh = documents.MeshOf(object);
        const int id = documents.ObjectUniqueId(object);
        auto [vertices, faces] = counts(id, *mesh);
        objects.push_back({{"id", id},
                           {"index", i},
                           {"name", documents.ObjectName(object)},
                           {"visible", documents.ObjectVisible(object)},
                           {"current", i == current},
                           {"vertices", vertices},
                           {"faces", faces},
                           {"meshVersion", mesh->Version()}});
    }
    return objects;
}

json Selection(host_tool::Session& session) {
    sim::DocumentModel& documents = sim::Documents();
    MQDocument doc = session.Document();
    json selection = json::object();
    for (int i = 0; i < documents.ObjectCount(doc); ++i) {
        MQObject object = documents.ObjectAt(doc, i);
        if (object == nullptr) continue;
        std::vector<int> vertices = documents.SelectedVertices(doc, object);
        std::vector<std::pair<int, int>> lines = documents.SelectedLines(doc, object);
        std::vector<int> faces = documents.SelectedFaces(doc, object);
        if (vertices.empty() && lines.empty() && faces.empty()) continue;
        json lineList = json::array();
        for (auto [face, line] : lines) lineList.push_back({face, line});
        selection[std::to_string(documents.ObjectUniqueId(object))] = {
            {"vertices", vertices}, {"lines", lineList}, {"faces", faces}};
    }
    return selection;
}

json Drawing(host_tool::Session& session) {
    sim::DocumentModel& documents = sim::Documents();
    json drawing = json::array();
    for (const sim::DrawObjectInfo& info : documents.DrawObjects(session.Document())) {
        json vertices = json::array();
        for (const sim::Vec3& p : info.vertices) vertices.push_back({p.x, p.y, p.z});
        drawing.push_back({{"handle", documents.ObjectUniqueId(info.handle)},
                           {"row", session.MarkerRowOf(info.handle)},
                           {"visibility", info.visibility},
                           {"colour", {info.color[0], info.color[1], info.color[2]}},
                           {"vertices", vertices},
                           {"faces", info.faces}});
    }
    return drawing;
}

json Modal(const std::vector<ModalEntry>& modal) {
    json list = json::array();
    for (const ModalEntry& entry : modal) {
        if (entry.question) {
            list.push_back({{"kind", "question"},
                            {"title", Utf8(entry.box.title)},
                            {"message", Utf8(entry.box.message)},
                            {"type", entry.box.messageType}});
        } else {
            list.push_back({{"kind", "dialog"}, {"widget", entry.dialog}});
        }
    }
    return list;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

json WidgetTree(int id) {
    sim::WidgetModel& widgets = sim::Widgets();
    const std::string widgetClass = widgets.ClassOf(id);
    json props = json::object();
    for (const auto& [name, initial] : sim::InitialProperties(widgetClass)) {
        (void)initial;
        if (auto value = widgets.Property(id, name)) props[name] = Value(*value);
    }
    json children = json::array(), windows = json::array();
    for (int child : widgets.ChildrenOf(id))
        if (widgets.IsAlive(child)) children.push_back(WidgetTree(child));
    for (int child : widgets.ChildWindowsOf(id))
        if (widgets.IsAlive(child)) windows.push_back(WidgetTree(child));
    return {{"id", id},
            {"class", widgetClass},
            {"props", props},
            {"children", children},
            {"windows", windows}};
}

std::pair<int, int> StateBuilder::LiveCounts(int uniqueId, const sim::Mesh& mesh) {
    auto found = counts_.find(uniqueId);
    if (found != counts_.end() && found->second.first == mesh.Version())
        return found->second.second;
    int vertices = 0, faces = 0;
    for (int i = 0; i < mesh.VertexCount(); ++i) vertices += mesh.VertexAlive(i);
    for (int i = 0; i < mesh.FaceCount(); ++i) faces += mesh.FacePointCount(i) > 0;
    counts_[uniqueId] = {mesh.Version(), {vertices, faces}};
    return {vertices, faces};
}

json StateBuilder::Build(host_tool::Session& session, const std::vector<ModalEntry>& modal,
                         const ConsoleLog& console, long after, const HostStatus& status) {
    sim::WidgetModel& widgets = sim::Widgets();
    const sim::SceneOptions& view = session.ViewOptions();
    json windows = json::array();
    for (int id : widgets.ChildWindowsOf(widgets.MainWindowId()))
        if (widgets.IsAlive(id)) windows.push_back(WidgetTree(id));
    json lines = json::array();
    for (const ConsoleLine& line : console.Since(after))
        lines.push_back({{"seq", line.seq}, {"kind", line.kind}, {"text", line.text}});
    const bool loaded = session.Plugin().IsLoaded();
    return {
        {"version", status.version},
        {"plugin", {{"loaded", loaded}, {"started", session.Started()}, {"active", status.active}}},
        {"objects",
         Objects(session, [this](int id, const sim::Mesh& mesh) { return LiveCounts(id, mesh); })},
        {"selection", Selection(session)},
        {"view",
         {{"vertices", view.showVertex != 0},
          {"lines", view.showLine != 0},
          {"faces", view.showFace != 0}}},
        {"drawing", Drawing(session)},
        {"windows", windows},
        {"modal", Modal(modal)},
        {"console", lines},
        {"breaches", console.Breaches()},
        {"settings", FileText(session.Options().settingsPath)},
        {"examples", status.examples},
        {"highlight", {1.0, 0.6, 0.0}},
    };
}

}  // namespace serve
