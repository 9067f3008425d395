// The user's work on the document: meshes made or read from OBJ files, the
// current object and the objects' visibility, the selection, topology edits
// and moved vertices. After an edit of the meshes the host tells the plug-in
// (event 221), as the modeler does.
#include "session_engine/commands/commands.h"
#include "session_engine/obj_import/obj_import.h"
#include "session_engine/session/counted.h"
#include "session_engine/session/session.h"
#include "session_engine/session/session_error.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/mesh_builders.h"

namespace host_tool {

namespace {

sim::DocumentModel& Documents() { return sim::Documents(); }

}  // namespace

std::string MeshCounts(MQObject object) {
    int vertices = 0, faces = 0;
    for (int i = 0; i < Documents().VertexCount(object); ++i)
        vertices += Documents().VertexUniqueId(object, i) >= 0;
    for (int i = 0; i < Documents().FaceCount(object); ++i)
        faces += !Documents().FacePoints(object, i).empty();
    return Counted(vertices, "vertex", "vertices") + ", " + Counted(faces, "face", "faces");
}

namespace {

std::string Counts(MQObject object) { return MeshCounts(object); }

void CheckNewName(Session& session, const std::string& name) {
    for (int i = 0; i < Documents().ObjectCount(session.Document()); ++i) {
        MQObject object = Documents().ObjectAt(session.Document(), i);
        if (object != nullptr && Documents().ObjectName(object) == name)
            throw SessionError("the document already has an object named \"" + name + "\"");
    }
}

MQObject NewObject(Session& session, const std::string& name) {
    CheckNewName(session, name);
    return Documents().AddObject(session.Document(), name);
}

void Mesh(Session& session, Arguments& args) {
    int kind = args.Choice("kind", {"grid", "torus", "cube"});
    std::string name = args.Word("name");
    int columns = 0, rows = 0;
    float size = 2.0f;
    if (kind < 2) {
        columns = args.Int("columns");
        rows = args.Int("rows");
        const int least = kind == 0 ? 1 : 3;
        if (columns < least || rows < least || columns > 1000 || rows > 1000)
            args.Fail("columns and rows run from " + std::to_string(least) + " to 1000");
    } else if (args.More()) {
        size = args.Float("size");
        if (size <= 0) args.Fail("the size must be above 0");
    }
    args.End();
    MQObject object = NewObject(session, name);
    if (kind == 0) sim::AddQuadGrid(object, columns, rows);
    if (kind == 1) sim::AddClosedGrid(object, columns, rows);
    if (kind == 2) sim::AddCube(object, size);
    session.Say("object [" + std::to_string(Documents().ObjectIndex(session.Document(), object)) +
                "] \"" + name + "\": " + Counts(object));
    session.ReportEdit();
}

void Open(Session& session, Arguments& args) {
    std::string path = args.Path("OBJ file");
    args.End();
    OpenImported(session, ReadObjFile(session.InputPath(path)));
}

void Current(Session& session, Arguments& args) {
    MQObject object = session.FindObject(args.Word("object"));
    args.End();
    int index = Documents().ObjectIndex(session.Document(), object);
    Documents().SetCurrentObject(session.Document(), index);
    session.Say("current object: [" + std::to_string(index) + "] \"" +
                Documents().ObjectName(object) + "\"");
}

void SetVisible(Session& session, Arguments& args, bool visible) {
    MQObject object = session.FindObject(args.Word("object"));
    args.End();
    Documents().SetObjectVisible(object, visible);
    session.Say(Quoted(Documents().ObjectName(object)) + " is " + (visible ? "shown" : "hidden"));
}

bool VertexAlive(MQObject object, int index) {
    return index >= 0 && index < Documents().VertexCount(object) &&
           Documents().VertexUniqueId(object, index) >= 0;
}

bool FaceAlive(MQObject object, int index) {
    return index >= 0 && index < Documents().FaceCount(object) &&
           !Documents().FacePoints(object, index).empty();
}

void CheckVertices(MQObject object, const std::vector<int>& indices) {
    for (int index : indices)
        if (!VertexAlive(object, index))
            throw SessionError("\"" + Documents().ObjectName(object) + "\" has no vertex " +
                               std::to_string(index));
}

void CheckFaces(MQObject object, const std::vector<int>& indices) {
    for (int index : indices)
        if (!FaceAlive(object, index))
            throw SessionError("\"" + Documents().ObjectName(object) + "\" has no face " +
                               std::to_string(index));
}

// Face lines as FACE:LINE words.
std::vector<std::pair<int, int>> LineList(Arguments& args, MQObject object) {
    std::vector<std::pair<int, int>> lines;
    if (!args.More()) args.Fail("missing lines");
    while (args.More()) {
        std::string word = args.Word("line");
        std::size_t colon = word.find(':');
        int face = -1, line = -1;
        if (colon == std::string::npos || !ReadInt(word.substr(0, colon), face) ||
            !ReadInt(word.substr(colon + 1), line))
            args.Fail("\"" + word + "\" is not a line written FACE:LINE");
        if (!FaceAlive(object, face) || line < 0 ||
            line >= static_cast<int>(Documents().FacePoints(object, face).size()))
            throw SessionError("\"" + Documents().ObjectName(object) + "\" has no line " + word);
        lines.emplace_back(face, line);
    }
    return lines;
}

void TellSelected(Session& session, MQObject object) {
    MQDocument doc = session.Document();
    session.Say("selected in \"" + Documents().ObjectName(object) + "\": " +
                Counted(Documents().SelectedVertices(doc, object).size(), "vertex", "vertices") +
                ", " + Counted(Documents().SelectedLines(doc, object).size(), "line", "lines") +
                ", " + Counted(Documents().SelectedFaces(doc, object).size(), "face", "faces"));
}

// Every element of the current object that the view shows, as the user
// picks them: vertices, face lines and faces.
void SelectAll(Session& session) {
    MQDocument doc = session.Document();
    MQObject object = session.CurrentObject();
    const sim::SceneOptions& view = session.ViewOptions();
    for (int vertex = 0; view.showVertex != 0 && vertex < Documents().VertexCount(object); ++vertex)
        if (VertexAlive(object, vertex)) Documents().SelectVertex(doc, object, vertex);
    for (int face = 0; face < Documents().FaceCount(object); ++face) {
        if (view.showLine == 0 && view.showFace == 0) break;
        const int points = static_cast<int>(Documents().FacePoints(object, face).size());
        if (points == 0) continue;
        for (int line = 0; view.showLine != 0 && line < points; ++line)
            Documents().SelectLine(doc, object, face, line);
        if (view.showFace != 0) Documents().SelectFace(doc, object, face);
    }
    TellSelected(session, object);
}

// Adds the listed vertices, lines or faces of the current object to the
// selection, or takes them out of it.
void ChangeSelection(Session& session, Arguments& args, bool select) {
    MQDocument doc = session.Document();
    MQObject object = session.CurrentObject();
    sim::DocumentModel& documents = Documents();
    int kind = args.Choice("kind", {"vertices", "lines", "faces"});
    if (kind == 0) {
        std::vector<int> vertices = args.IndexList("vertices");
        CheckVertices(object, vertices);
        for (int vertex : vertices)
            select ? documents.SelectVertex(doc, object, vertex)
                   : documents.DeselectVertex(doc, object, vertex);
    } else if (kind == 1) {
        for (auto [face, line] : LineList(args, object))
            select ? documents.SelectLine(doc, object, face, line)
                   : documents.DeselectLine(doc, object, face, line);
    } else {
        std::vector<int> faces = args.IndexList("faces");
        CheckFaces(object, faces);
        for (int face : faces)
            select ? documents.SelectFace(doc, object, face)
                   : documents.DeselectFace(doc, object, face);
    }
    TellSelected(session, object);
}

void Deselect(Session& session, Arguments& args) { ChangeSelection(session, args, false); }

void Select(Session& session, Arguments& args) {
    if (args.Take("none")) {
        args.End();
        Documents().ClearSelection(session.Document());
        session.Say("nothing selected");
        return;
    }
    if (args.Take("all")) {
        args.End();
        SelectAll(session);
        return;
    }
    ChangeSelection(session, args, true);
}

void Delete(Session& session, Arguments& args) {
    int kind = args.Choice("kind", {"vertices", "faces", "object"});
    if (kind == 2) {
        MQObject object = session.FindObject(args.Word("object"));
        args.End();
        std::string name = Documents().ObjectName(object);
        Documents().DeleteObject(session.Document(), object);
        session.Say("object \"" + name + "\" deleted");
        session.ReportEdit();
        return;
    }
    MQObject object = session.CurrentObject();
    std::vector<int> indices = args.IndexList(kind == 0 ? "vertices" : "faces");
    kind == 0 ? CheckVertices(object, indices) : CheckFaces(object, indices);
    for (int index : indices) {
        // A face goes with its vertex; it may be gone already.
        if (kind == 0) Documents().DeleteVertex(object, index);
        if (kind == 1 && FaceAlive(object, index)) Documents().DeleteFace(object, index);
    }
    session.Say(Quoted(Documents().ObjectName(object)) + ": " + Counts(object) + " left");
    session.ReportEdit();
}

void Compact(Session& session, Arguments& args) {
    args.End();
    MQObject object = session.CurrentObject();
    Documents().Compact(object);
    session.Say(Quoted(Documents().ObjectName(object)) + " compacted: " + Counts(object));
    session.ReportEdit();
}

void Move(Session& session, Arguments& args) {
    MQObject object = session.CurrentObject();
    std::vector<std::string> listed;
    int mode = -1;
    while (mode < 0) {
        if (args.Take("by")) {
            mode = 0;
        } else if (args.Take("to")) {
            mode = 1;
        } else {
            listed.push_back(args.Word("\"by\" or \"to\""));
        }
    }
    if (listed.empty()) args.Fail("name the vertices to move");
    std::vector<int> vertices =
        Arguments(args.Command(), listed, args.Usage()).IndexList("vertices");
    sim::Vec3 amount{args.Float("x"), args.Float("y"), args.Float("z")};
    args.End();
    CheckVertices(object, vertices);
    for (int vertex : vertices) {
        sim::Vec3 position = amount;
        if (mode == 0) {
            sim::Vec3 old = Documents().VertexPosition(object, vertex);
            position = sim::Vec3{old.x + amount.x, old.y + amount.y, old.z + amount.z};
        }
        Documents().SetVertexPosition(object, vertex, position);
    }
    session.Say(std::to_string(vertices.size()) + " vertex(es) of \"" +
                Documents().ObjectName(object) + "\" moved");
    session.ReportEdit();
}

}  // namespace

void OpenImported(Session& session, const ObjImport& import) {
    // Every name is checked first, so that a refused file adds nothing.
    for (const ImportedMesh& mesh : import.meshes) CheckNewName(session, mesh.name);
    for (const std::string& note : import.notes) session.Note(note);
    for (const ImportedMesh& mesh : import.meshes) {
        MQObject object = NewObject(session, mesh.name);
        const int first = Documents().VertexCount(object);
        for (const sim::Vec3& position : mesh.vertices) Documents().AddVertex(object, position);
        for (std::vector<int> face : mesh.faces) {
            for (int& point : face) point += first;
            Documents().AddFace(object, std::move(face));
        }
        session.Say("object [" +
                    std::to_string(Documents().ObjectIndex(session.Document(), object)) + "] \"" +
                    mesh.name + "\": " + Counts(object));
    }
    session.ReportEdit();
}

std::vector<CommandEntry> MeshCommands() {
    return {
        {"mesh", "mesh grid|torus NAME COLUMNS ROWS | mesh cube NAME [SIZE]",
         "make a built-in mesh object", Mesh},
        {"open", "open FILE.obj", "read the objects of an OBJ file into the document", Open},
        {"current", "current NAME|[INDEX]",
         "make an object the current one, by name or by index in brackets", Current},
        {"show", "show NAME|[INDEX]", "make an object visible",
         [](Session& s, Arguments& a) { SetVisible(s, a, true); }},
        {"hide", "hide NAME|[INDEX]", "hide an object",
         [](Session& s, Arguments& a) { SetVisible(s, a, false); }},
        {"select",
         "select vertices|faces LIST | select lines FACE:LINE ... | select all | select none",
         "add elements of the current object to the selection (LIST: 3 0-5 ...); \"all\": every "
         "vertex, line and face of it that the view shows",
         Select},
        {"deselect", "deselect vertices|faces LIST | deselect lines FACE:LINE ...",
         "take elements of the current object out of the selection (Ctrl in the view)", Deselect},
        {"delete", "delete vertices|faces LIST | delete object NAME|[INDEX]",
         "delete elements of the current object (their slots stay until compact)", Delete},
        {"compact", "compact", "drop deleted slots of the current object, renumbering it", Compact},
        {"move", "move LIST by DX DY DZ | move LIST to X Y Z",
         "move vertices of the current object", Move},
    };
}

}  // namespace host_tool
