// Documents, mesh objects, selection, drawing objects and scenes of the
// simulated host: the C++ API through which tests build and edit what the
// plug-in sees, and the model behind the exported MQDoc_ and MQObj_ functions.
// The model's parts are with their subsystems: documents/document_model.cpp
// (documents, objects, scenes, the handle checks), document_editing.cpp
// (meshes) and document_dump.cpp beside it, selection/document_selection.cpp
// (the selection) and drawing/drawing_objects.cpp (drawing objects and the
// station messages 200, 210 and 410).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/host_abi.h"
#include "simhost/contract/handle_table.h"
#include "simhost/documents/mesh.h"

namespace sim {

struct Document;
struct Object;
struct Scene;

// The view options a scene answers to message 410; nonzero means on.
struct SceneOptions {
    int showVertex = 0, showLine = 0, showFace = 0, frontOnly = 0, showBkimg = 0;
};

// A drawing object as the plug-in left it: made by message 200, filled with
// MQObj_AddVertex/MQObj_AddFace and coloured with id 513.
struct DrawObjectInfo {
    MQObject handle;
    MQDocument document;
    int visibility;
    int instant;
    float color[3];
    int colorSet;  // the value last set with MQObj_SetIntValue(obj, 513, value); 0 before
    std::vector<Vec3> vertices;
    std::vector<std::vector<int>> faces;
};

// Faults that tests switch on to see the plug-in survive a host that
// answers less than it might.
struct DocumentFaults {
    bool refuseDrawObjects = false;  // message 200 leaves "result" null
    bool silentScenes = false;       // message 410 fills none of the five options
    bool noCurrentObject = false;    // MQDoc_GetCurrentObjectIndex answers -1
    // When >= 0: this many more drawing objects are made, then message 200 is refused.
    int drawObjectsBeforeRefusal = -1;
};

class DocumentModel {
public:
    DocumentModel();
    ~DocumentModel();
    DocumentModel(const DocumentModel&) = delete;
    DocumentModel& operator=(const DocumentModel&) = delete;

    // Drops everything; every handle given out so far becomes stale. Object
    // unique ids keep counting up.
    void Reset();
    // Readable state for test failure messages.
    std::string Dump() const;
    // Messages 200 (create drawing object), 210 (delete it), 410 (scene options).
    void HandleMessage(int number, MessageHeader& record);
    // Called when the plug-in module is unloaded: every drawing object the
    // plug-in made must be gone by then.
    void CheckAfterUnload();

    // --- Documents and objects -------------------------------------------
    MQDocument NewDocument();
    // The first object of a document becomes current.
    MQObject AddObject(MQDocument doc, const std::string& name);
    void SetCurrentObject(MQDocument doc, int index);
    // -1 when none (also while the noCurrentObject fault is on).
    int CurrentObjectIndex(MQDocument doc) const;
    // Object slots of the document, deleted ones included.
    int ObjectCount(MQDocument doc) const;
    // Null for a deleted slot or an index out of range.
    MQObject ObjectAt(MQDocument doc, int index) const;
    MQObject ObjectFromUniqueId(MQDocument doc, int uniqueId) const;
    int ObjectIndex(MQDocument doc, MQObject obj) const;  // -1 when not in doc (or deleted)
    // The slot stays empty (other objects keep their indices); the handle turns
    // stale. A deleted current object hands "current" to the first remaining one.
    void DeleteObject(MQDocument doc, MQObject obj);
    // Drops the deleted object slots, renumbering the objects.
    void CompactObjects(MQDocument doc);
    int ObjectUniqueId(MQObject obj) const;
    void SetObjectVisible(MQObject obj, bool visible);
    bool ObjectVisible(MQObject obj) const;
    std::string ObjectName(MQObject obj) const;

    // --- Mesh editing --------------------------------------------------------
    int AddVertex(MQObject obj, Vec3 position);  // new index
    void SetVertexPosition(MQObject obj, int index, Vec3 position);
    Vec3 VertexPosition(MQObject obj, int index) const;
    int AddFace(MQObject obj, std::vector<int> points);  // new index
    // Deletes the faces that use the vertex too; the slot stays until Compact.
    void DeleteVertex(MQObject obj, int index);
    // The slot stays with 0 points until Compact.
    void DeleteFace(MQObject obj, int index);
    void Compact(MQObject obj);  // renumbers, keeps unique ids
    // The mesh itself, read in one pass by whoever shows it (its Version
    // tells when it changed); null after reporting a bad handle.
    const Mesh* MeshOf(MQObject obj) const;
    int VertexCount(MQObject obj) const;  // slots, deleted ones included
    int FaceCount(MQObject obj) const;
    std::vector<int> FacePoints(MQObject obj, int face) const;  // empty when deleted
    int VertexRefCount(MQObject obj, int index) const;
    std::vector<int> VertexRelatedFaces(MQObject obj, int index) const;
    int VertexUniqueId(MQObject obj, int index) const;  // -1 for a deleted vertex
    int VertexIndex(MQObject obj, int uniqueId) const;  // -1 when gone
    // The next vertex of the object gets this unique id (e.g. 65536 to test wide ids).
    void SetNextVertexUniqueId(MQObject obj, int uniqueId);

    // --- Selection (per object) -----------------------------------------------
    void SelectVertex(MQDocument doc, MQObject obj, int vertex);
    void SelectLine(MQDocument doc, MQObject obj, int face, int line);
    void SelectFace(MQDocument doc, MQObject obj, int face);
    // Ctrl on an element: it leaves the selection.
    void DeselectVertex(MQDocument doc, MQObject obj, int vertex);
    void DeselectLine(MQDocument doc, MQObject obj, int face, int line);
    void DeselectFace(MQDocument doc, MQObject obj, int face);
    void ClearSelection(MQDocument doc);
    // Vertices and faces ascending; lines as (face, line), sorted.
    std::vector<int> SelectedVertices(MQDocument doc, MQObject obj) const;
    std::vector<std::pair<int, int>> SelectedLines(MQDocument doc, MQObject obj) const;
    std::vector<int> SelectedFaces(MQDocument doc, MQObject obj) const;

    // --- Drawing objects and scenes ----------------------------------------------
    std::vector<DrawObjectInfo> DrawObjects(MQDocument doc) const;  // alive, in creation order
    int LiveDrawObjectCount() const;
    MQScene NewScene(MQDocument doc, SceneOptions options);
    void SetSceneOptions(MQScene scene, SceneOptions options);

    DocumentFaults& Faults();

    // --- For the exported host functions ---------------------------------------
    // Each resolves a handle that the plug-in passed to `function`; a null,
    // unknown, stale or wrong-kind handle is reported and answers null.
    Document* CheckDocument(const char* function, MQDocument doc) const;
    Object* CheckObject(const char* function, MQObject obj) const;  // mesh or drawing object
    Object* CheckMeshObject(const char* function, MQObject obj) const;
    // The functions that fill and colour an object serve drawing objects only:
    // the document's own objects belong to the user.
    Object* CheckDrawObject(const char* function, MQObject obj) const;
    Scene* CheckScene(const char* function, MQScene scene) const;
    // The live object at `index` of the document; out of range or deleted is reported.
    Object* CheckObjectAt(const char* function, const Document& doc, int index) const;

private:
    void* CheckHandle(const char* function, const void* handle, HandleKind wanted,
                      bool acceptDrawObject) const;
    Object& NewObject(Document& doc, bool drawing, const std::string& name);
    void HandleCreateDrawObject(const std::string& where, KeyValuePair* list);
    void HandleDeleteDrawObject(const std::string& where, KeyValuePair* list);
    void HandleSceneOption(const std::string& where, KeyValuePair* list);
    bool MakeDrawObjectNow();

    struct State;
    std::unique_ptr<State> state_;
    int nextObjectUniqueId_ = 1;
};

DocumentModel& Documents();

}  // namespace sim
