// The lean benchmark host's model: documents, mesh objects and scenes kept
// the way a production modeler keeps them, in flat arrays indexed by element,
// so that each host function answers with an index look-up and nothing else.
// No handle is checked and nothing is recorded: a benchmark measures the
// plug-in's own cost against a host that costs what a real one does.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/host_abi.h"

namespace lean {

using Vec3 = std::array<float, 3>;

// One mesh object: a document object or a drawing object. Faces are stored
// back to back (`faceStart` has one entry more than there are faces); the
// faces around each vertex and the reference counts are derived from them
// when first asked after a change. Selection flags are per element, grown
// only when something is selected, so a drawing object carries none.
struct Object {
    int uniqueId = 0;
    MQDocument document = nullptr;
    int index = -1;  // place in the document; -1 for a drawing object
    bool visible = true;
    Vec3 color{0.0f, 0.0f, 0.0f};

    std::vector<Vec3> positions;
    std::vector<int> vertexUniqueId;
    std::vector<int> indexOfUniqueId;  // unique id -> vertex index, -1 for none
    int nextVertexUniqueId = 1;

    std::vector<int> faceStart{0};
    std::vector<int> facePoints;

    bool topologyStale = false;
    std::vector<int> relatedStart;  // vertex -> first entry in relatedFaces
    std::vector<int> relatedFaces;

    std::vector<std::uint8_t> vertexSelected;
    std::vector<std::uint8_t> faceSelected;
    std::vector<std::uint8_t> lineSelected;  // by faceStart[face] + line

    int VertexCount() const { return static_cast<int>(positions.size()); }
    int FaceCount() const { return static_cast<int>(faceStart.size()) - 1; }
    int PointCount(int face) const { return faceStart[face + 1] - faceStart[face]; }

    int AddVertex(const Vec3& position);
    int AddFace(int count, const int* points);
    // Brings the related faces up to date with the faces. [before a topology question]
    void RefreshTopology();
    // Empties the object for reuse as a new drawing object; its arrays keep their room.
    void Reset();
};

struct Scene {
    int showVertex = 1, showLine = 1, showFace = 1, frontOnly = 0, showBkimg = 0;
};

struct Document {
    std::vector<std::unique_ptr<Object>> objects;
    int currentObject = -1;
    // Drawing objects in use and deleted ones kept for reuse.
    std::vector<std::unique_ptr<Object>> drawingPool;
    std::vector<Object*> freeDrawings;
    std::vector<std::unique_ptr<Scene>> scenes;
    int nextObjectUniqueId = 1;
};

// Forgets every document. [benchmark set-up]
void Reset();
// A new empty document. [benchmark set-up]
MQDocument NewDocument();
// A new empty object at the end of the document, made current. [benchmark set-up]
MQObject AddObject(MQDocument doc);
// A scene with the given view options. [benchmark set-up]
MQScene NewScene(MQDocument doc, const Scene& options);
// Mesh edits for building the benchmark meshes.
int AddVertex(MQObject obj, const Vec3& position);
int AddFace(MQObject obj, int count, const int* points);
// Selection edits, as the user would make them.
void ClearSelection(MQDocument doc);
void SelectVertex(MQObject obj, int vertex);
void SelectFace(MQObject obj, int face);
void SelectLine(MQObject obj, int face, int line);
// Path of the lean host's module, which MQInit is given.
std::string ModulePath();

// The model behind the handles; the host functions reach it by a cast alone.
inline Document& DocumentOf(MQDocument doc) { return *reinterpret_cast<Document*>(doc); }
inline Object& ObjectOf(MQObject obj) { return *reinterpret_cast<Object*>(obj); }
inline MQObject HandleOf(Object& object) { return reinterpret_cast<MQObject>(&object); }

// A deleted drawing object goes back to the pool; a new one comes from it.
Object& TakeDrawing(MQDocument doc);
void ReturnDrawing(MQDocument doc, MQObject obj);

}  // namespace lean
