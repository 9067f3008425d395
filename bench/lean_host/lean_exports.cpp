// The host functions that the plug-in calls, answered by the lean host: each
// is an index look-up into the model's arrays. Handles are taken as given and
// indices are only kept inside their arrays, as a production host does.
#include <algorithm>
#include <cstring>

#include "bench/lean_host/lean_model.h"
#include "platform/export.h"

using lean::DocumentOf;
using lean::ObjectOf;

namespace {
constexpr int kUniqueIdValue = 260;
constexpr int kColorValue = 513;

lean::Object* ObjectAt(MQDocument doc, int index) {
    auto& objects = DocumentOf(doc).objects;
    if (index < 0 || index >= static_cast<int>(objects.size())) return nullptr;
    return objects[static_cast<std::size_t>(index)].get();
}

bool InRange(int index, int size) {
    return static_cast<unsigned>(index) < static_cast<unsigned>(size);
}

template <typename Flags>
int FlagAt(const Flags& flags, int index) {
    return InRange(index, static_cast<int>(flags.size())) ? flags[static_cast<std::size_t>(index)]
                                                          : 0;
}

template <typename Flags>
int SetFlag(Flags& flags, int index, int size) {
    if (!InRange(index, size)) return 0;
    if (static_cast<int>(flags.size()) < size) flags.resize(static_cast<std::size_t>(size), 0);
    flags[static_cast<std::size_t>(index)] = 1;
    return 1;
}

lean::Object& Topology(MQObject obj) {
    lean::Object& object = ObjectOf(obj);
    if (object.topologyStale) object.RefreshTopology();
    return object;
}
}  // namespace

extern "C" {

TACKPIN_EXPORT int MQDoc_GetCurrentObjectIndex(MQDocument doc) {
    return DocumentOf(doc).currentObject;
}

TACKPIN_EXPORT MQObject MQDoc_GetObject(MQDocument doc, int index) {
    lean::Object* object = ObjectAt(doc, index);
    return object != nullptr ? lean::HandleOf(*object) : nullptr;
}

TACKPIN_EXPORT MQObject MQDoc_GetObjectFromUniqueID(MQDocument doc, int uniqueId) {
    for (auto& object : DocumentOf(doc).objects) {
        if (object->uniqueId == uniqueId) return lean::HandleOf(*object);
    }
    return nullptr;
}

TACKPIN_EXPORT int MQDoc_GetObjectIndex(MQDocument doc, MQObject obj) {
    const lean::Object& object = ObjectOf(obj);
    return object.document == doc ? object.index : -1;
}

TACKPIN_EXPORT int MQDoc_IsSelectVertex(MQDocument doc, int objIndex, int vertex) {
    const lean::Object* object = ObjectAt(doc, objIndex);
    return object != nullptr ? FlagAt(object->vertexSelected, vertex) : 0;
}

TACKPIN_EXPORT int MQDoc_IsSelectFace(MQDocument doc, int objIndex, int face) {
    const lean::Object* object = ObjectAt(doc, objIndex);
    return object != nullptr ? FlagAt(object->faceSelected, face) : 0;
}

TACKPIN_EXPORT int MQDoc_IsSelectLine(MQDocument doc, int objIndex, int face, int line) {
    const lean::Object* object = ObjectAt(doc, objIndex);
    if (object == nullptr || !InRange(face, object->FaceCount()) ||
        !InRange(line, object->PointCount(face)))
        return 0;
    return FlagAt(object->lineSelected, object->faceStart[static_cast<std::size_t>(face)] + line);
}

TACKPIN_EXPORT int MQDoc_ClearSelect(MQDocument doc, unsigned int) {
    lean::ClearSelection(doc);
    return 1;
}

TACKPIN_EXPORT int MQDoc_AddSelectVertex(MQDocument doc, int objIndex, int vertex) {
    lean::Object* object = ObjectAt(doc, objIndex);
    return object != nullptr ? SetFlag(object->vertexSelected, vertex, object->VertexCount()) : 0;
}

TACKPIN_EXPORT int MQDoc_AddSelectLine(MQDocument doc, int objIndex, int face, int line) {
    lean::Object* object = ObjectAt(doc, objIndex);
    if (object == nullptr || !InRange(face, object->FaceCount()) ||
        !InRange(line, object->PointCount(face)))
        return 0;
    return SetFlag(object->lineSelected, object->faceStart[static_cast<std::size_t>(face)] + line,
                   static_cast<int>(object->facePoints.size()));
}

TACKPIN_EXPORT int MQObj_GetVisible(MQObject obj) { return ObjectOf(obj).visible ? 1 : 0; }
TACKPIN_EXPORT int MQObj_GetVertexCount(MQObject obj) { return ObjectOf(obj).VertexCount(); }
TACKPIN_EXPORT int MQObj_GetFaceCount(MQObject obj) { return ObjectOf(obj).FaceCount(); }

TACKPIN_EXPORT int MQObj_GetVertexRefCount(MQObject obj, int vertex) {
    const lean::Object& object = Topology(obj);
    if (!InRange(vertex, object.VertexCount())) return 0;
    return object.relatedStart[static_cast<std::size_t>(vertex) + 1] -
           object.relatedStart[static_cast<std::size_t>(vertex)];
}

TACKPIN_EXPORT int MQObj_GetFacePointCount(MQObject obj, int face) {
    const lean::Object& object = ObjectOf(obj);
    return InRange(face, object.FaceCount()) ? object.PointCount(face) : 0;
}

TACKPIN_EXPORT int MQObj_GetVertexUniqueID(MQObject obj, int vertex) {
    const lean::Object& object = ObjectOf(obj);
    return InRange(vertex, object.VertexCount())
               ? object.vertexUniqueId[static_cast<std::size_t>(vertex)]
               : -1;
}

TACKPIN_EXPORT int MQObj_GetVertexIndexFromUniqueID(MQObject obj, int uniqueId) {
    const lean::Object& object = ObjectOf(obj);
    return InRange(uniqueId, static_cast<int>(object.indexOfUniqueId.size()))
               ? object.indexOfUniqueId[static_cast<std::size_t>(uniqueId)]
               : -1;
}

TACKPIN_EXPORT void MQObj_GetVertex(MQObject obj, int vertex, float* xyz) {
    const lean::Object& object = ObjectOf(obj);
    if (!InRange(vertex, object.VertexCount())) return;
    // One block copy, as a host copies its point record.
    std::memcpy(xyz, object.positions[static_cast<std::size_t>(vertex)].data(), sizeof(lean::Vec3));
}

TACKPIN_EXPORT int MQObj_AddVertex(MQObject obj, const float* xyz) {
    lean::Vec3 position;
    std::memcpy(position.data(), xyz, sizeof position);
    return ObjectOf(obj).AddVertex(position);
}

TACKPIN_EXPORT int MQObj_AddFace(MQObject obj, int count, const int* points) {
    return ObjectOf(obj).AddFace(count, points);
}

TACKPIN_EXPORT void MQObj_GetFacePointArray(MQObject obj, int face, int* points) {
    const lean::Object& object = ObjectOf(obj);
    if (!InRange(face, object.FaceCount())) return;
    const int* first = object.facePoints.data() + object.faceStart[static_cast<std::size_t>(face)];
    std::copy(first, first + object.PointCount(face), points);
}

TACKPIN_EXPORT int MQObj_GetVertexRelatedFaces(MQObject obj, int vertex, int* faces) {
    const lean::Object& object = Topology(obj);
    if (!InRange(vertex, object.VertexCount())) return 0;
    const int* first =
        object.relatedFaces.data() + object.relatedStart[static_cast<std::size_t>(vertex)];
    const int count = object.relatedStart[static_cast<std::size_t>(vertex) + 1] -
                      object.relatedStart[static_cast<std::size_t>(vertex)];
    if (faces != nullptr) std::copy(first, first + count, faces);
    return count;
}

TACKPIN_EXPORT int MQObj_GetIntValue(MQObject obj, int type) {
    return type == kUniqueIdValue ? ObjectOf(obj).uniqueId : 0;
}

TACKPIN_EXPORT void MQObj_SetFloatArray(MQObject obj, int type, const float* values) {
    if (type == kColorValue) ObjectOf(obj).color = {values[0], values[1], values[2]};
}

TACKPIN_EXPORT void MQObj_SetIntValue(MQObject, int, int) {}

}  // extern "C"
