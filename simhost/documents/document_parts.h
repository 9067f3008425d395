// The records behind the document model's handles: a document with its object
// slots and drawing objects, an object (a mesh object of the document or a
// drawing object of the plug-in) with its mesh and selection, and a scene.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/documents/document_model.h"
#include "simhost/documents/mesh.h"
#include "simhost/selection/selection.h"

namespace sim {

struct Object {
    MQObject handle = nullptr;
    Document* document = nullptr;  // the one it is in (drawing object: made for)
    bool drawing = false;          // a drawing object, not one of the document's objects
    int uniqueId = 0;
    std::string name;
    bool visible = true;
    float color[3] = {1.0f, 1.0f, 1.0f};
    int colorSet = 0;    // value id 513 of MQObj_SetIntValue
    int visibility = 0;  // drawing objects: as message 200 gave it
    int instant = 0;     // drawing objects: as message 200 gave it
    Mesh mesh;
    Selection selection;

    // Edits that keep the selection in step with the mesh.
    void DeleteVertex(int index);
    void DeleteFace(int index);
    void Compact();
};

struct Document {
    MQDocument handle = nullptr;
    int number = 0;                                // 1, 2, ... in order of making, for dumps
    std::vector<std::unique_ptr<Object>> objects;  // null: a deleted slot
    std::unordered_map<int, int> indexByUniqueId;  // object unique id -> slot
    int current = -1;
    std::vector<std::unique_ptr<Object>> drawObjects;  // alive, in creation order

    Object* At(int index) const;  // null for a deleted slot or out of range
    void ReindexObjects();
};

struct Scene {
    MQScene handle = nullptr;
    Document* document = nullptr;
    SceneOptions options;
};

// Everything the model owns between two resets.
struct DocumentModel::State {
    std::vector<std::unique_ptr<Document>> documents;
    std::vector<std::unique_ptr<Scene>> scenes;
    DocumentFaults faults;
};

}  // namespace sim
