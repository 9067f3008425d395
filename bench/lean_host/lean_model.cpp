// Building and editing the lean host's model, outside the timed host calls.
#include "bench/lean_host/lean_model.h"

#include <algorithm>

#include "platform/platform.h"

namespace lean {

namespace {
std::vector<std::unique_ptr<Document>>& Documents() {
    static std::vector<std::unique_ptr<Document>> documents;
    return documents;
}

template <typename Flags>
void Flag(Flags& flags, int index, int size) {
    if (static_cast<int>(flags.size()) < size) flags.resize(static_cast<std::size_t>(size), 0);
    flags[static_cast<std::size_t>(index)] = 1;
}
}  // namespace

int Object::AddVertex(const Vec3& position) {
    const int index = VertexCount();
    const int uniqueId = nextVertexUniqueId++;
    positions.push_back(position);
    vertexUniqueId.push_back(uniqueId);
    // Unique ids are handed out in order: the map from id to index grows at its end.
    indexOfUniqueId.resize(static_cast<std::size_t>(uniqueId), -1);
    indexOfUniqueId.push_back(index);
    topologyStale = true;
    return index;
}

int Object::AddFace(int count, const int* points) {
    const int face = FaceCount();
    // One by one: a drawing object's faces have two points, too few to be
    // worth a block copy.
    for (int k = 0; k < count; ++k) facePoints.push_back(points[k]);
    faceStart.push_back(static_cast<int>(facePoints.size()));
    topologyStale = true;
    return face;
}

void Object::RefreshTopology() {
    const std::size_t vertices = positions.size();
    relatedStart.assign(vertices + 1, 0);
    // A face that names a vertex twice is one face around it.
    const auto eachUse = [&](auto&& use) {
        for (int f = 0; f < FaceCount(); ++f) {
            const int* p = facePoints.data() + faceStart[f];
            const int n = PointCount(f);
            for (int k = 0; k < n; ++k) {
                if (std::find(p, p + k, p[k]) == p + k) use(p[k], f);
            }
        }
    };
    eachUse([&](int v, int) { ++relatedStart[static_cast<std::size_t>(v) + 1]; });
    for (std::size_t v = 0; v < vertices; ++v) relatedStart[v + 1] += relatedStart[v];
    relatedFaces.resize(static_cast<std::size_t>(relatedStart[vertices]));
    std::vector<int> fill(relatedStart.begin(), relatedStart.end() - 1);
    eachUse([&](int v, int f) {
        relatedFaces[static_cast<std::size_t>(fill[static_cast<std::size_t>(v)]++)] = f;
    });
    topologyStale = false;
}

void Object::Reset() {
    visible = true;
    positions.clear();
    vertexUniqueId.clear();
    indexOfUniqueId.clear();
    nextVertexUniqueId = 1;
    faceStart.assign(1, 0);
    facePoints.clear();
    topologyStale = false;
    relatedStart.clear();
    relatedFaces.clear();
    vertexSelected.clear();
    faceSelected.clear();
    lineSelected.clear();
}

void Reset() { Documents().clear(); }

MQDocument NewDocument() {
    Documents().push_back(std::make_unique<Document>());
    return reinterpret_cast<MQDocument>(Documents().back().get());
}

MQObject AddObject(MQDocument doc) {
    Document& document = DocumentOf(doc);
    auto object = std::make_unique<Object>();
    object->uniqueId = document.nextObjectUniqueId++;
    object->document = doc;
    object->index = static_cast<int>(document.objects.size());
    document.currentObject = object->index;
    document.objects.push_back(std::move(object));
    return HandleOf(*document.objects.back());
}

MQScene NewScene(MQDocument doc, const Scene& options) {
    Document& document = DocumentOf(doc);
    document.scenes.push_back(std::make_unique<Scene>(options));
    return reinterpret_cast<MQScene>(document.scenes.back().get());
}

int AddVertex(MQObject obj, const Vec3& position) { return ObjectOf(obj).AddVertex(position); }
int AddFace(MQObject obj, int count, const int* points) {
    return ObjectOf(obj).AddFace(count, points);
}

void ClearSelection(MQDocument doc) {
    for (auto& object : DocumentOf(doc).objects) {
        std::fill(object->vertexSelected.begin(), object->vertexSelected.end(), 0);
        std::fill(object->faceSelected.begin(), object->faceSelected.end(), 0);
        std::fill(object->lineSelected.begin(), object->lineSelected.end(), 0);
    }
}

void SelectVertex(MQObject obj, int vertex) {
    Object& object = ObjectOf(obj);
    Flag(object.vertexSelected, vertex, object.VertexCount());
}

void SelectFace(MQObject obj, int face) {
    Object& object = ObjectOf(obj);
    Flag(object.faceSelected, face, object.FaceCount());
}

void SelectLine(MQObject obj, int face, int line) {
    Object& object = ObjectOf(obj);
    Flag(object.lineSelected, object.faceStart[face] + line,
         static_cast<int>(object.facePoints.size()));
}

std::string ModulePath() {
    return platform::ModulePathOf(reinterpret_cast<const void*>(&ModulePath));
}

Object& TakeDrawing(MQDocument doc) {
    Document& document = DocumentOf(doc);
    Object* object = nullptr;
    if (!document.freeDrawings.empty()) {
        object = document.freeDrawings.back();
        document.freeDrawings.pop_back();
    } else {
        document.drawingPool.push_back(std::make_unique<Object>());
        object = document.drawingPool.back().get();
        object->document = doc;
    }
    object->uniqueId = document.nextObjectUniqueId++;
    return *object;
}

void ReturnDrawing(MQDocument doc, MQObject obj) {
    Object& object = ObjectOf(obj);
    object.Reset();
    DocumentOf(doc).freeDrawings.push_back(&object);
}

}  // namespace lean
