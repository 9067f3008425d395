// The host's object functions: mesh queries, the edits a drawing object is
// filled with, and the values by id (260 unique id, 513 colour). The queries
// take document objects and drawing objects alike; the edits and the colour
// take the plug-in's drawing objects only, so that the user's mesh is never
// changed behind the user's back. Each checks the plug-in's handle, indices,
// pointers and values before it acts.
#include <string>
#include <vector>

#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/contract/host_contract.h"
#include "simhost/contract/index_checks.h"
#include "simhost/contract/violations.h"
#include "simhost/deliveries.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"
#include "simhost/faults/fault_points.h"

namespace {
using sim::Documents;
using sim::Object;

Object* ObjectFor(const char* function, MQObject obj) {
    return Documents().CheckObject(function, obj);
}
Object* DrawObjectFor(const char* function, MQObject obj) {
    return Documents().CheckDrawObject(function, obj);
}

// `use` is "reading" or "setting": the host offers 260 for reading only and
// 513 for setting only.
void ReportValueId(const char* function, int type, const char* use) {
    sim::ReportViolation(std::string(function) + ": value id " + std::to_string(type) +
                         " is not one the host offers for " + use);
}
}  // namespace

extern "C" TACKPIN_EXPORT int MQObj_GetVisible(MQObject obj) {
    sim::CheckCallAfterExit("MQObj_GetVisible");
    Object* object = ObjectFor("MQObj_GetVisible", obj);
    return object != nullptr && object->visible ? 1 : 0;
}

extern "C" TACKPIN_EXPORT int MQObj_GetVertexCount(MQObject obj) {
    sim::CheckCallAfterExit("MQObj_GetVertexCount");
    Object* object = ObjectFor("MQObj_GetVertexCount", obj);
    return object == nullptr ? 0 : object->mesh.VertexCount();
}

extern "C" TACKPIN_EXPORT int MQObj_GetFaceCount(MQObject obj) {
    sim::CheckCallAfterExit("MQObj_GetFaceCount");
    Object* object = ObjectFor("MQObj_GetFaceCount", obj);
    return object == nullptr ? 0 : object->mesh.FaceCount();
}

extern "C" TACKPIN_EXPORT int MQObj_GetVertexRefCount(MQObject obj, int vertex) {
    const char* function = "MQObj_GetVertexRefCount";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr || !sim::CheckVertexIndex(function, *object, vertex)) return 0;
    return object->mesh.RefCount(vertex);
}

extern "C" TACKPIN_EXPORT int MQObj_GetFacePointCount(MQObject obj, int face) {
    const char* function = "MQObj_GetFacePointCount";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr || !sim::CheckFaceIndex(function, *object, face)) return 0;
    return object->mesh.FacePointCount(face);
}

// -1 for a deleted vertex's slot.
extern "C" TACKPIN_EXPORT int MQObj_GetVertexUniqueID(MQObject obj, int vertex) {
    const char* function = "MQObj_GetVertexUniqueID";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr || !sim::CheckVertexIndex(function, *object, vertex)) return -1;
    return object->mesh.VertexUniqueId(vertex);
}

extern "C" TACKPIN_EXPORT int MQObj_GetVertexIndexFromUniqueID(MQObject obj, int uniqueId) {
    sim::CheckCallAfterExit("MQObj_GetVertexIndexFromUniqueID");
    Object* object = ObjectFor("MQObj_GetVertexIndexFromUniqueID", obj);
    if (object == nullptr || sim::FaultPoints().Refuse(sim::FaultPoint::VertexByUniqueId))
        return -1;
    return object->mesh.VertexIndex(uniqueId);
}

extern "C" TACKPIN_EXPORT void MQObj_GetVertex(MQObject obj, int vertex, float* xyz) {
    const char* function = "MQObj_GetVertex";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr || !sim::CheckVertexIndex(function, *object, vertex) ||
        !sim::CheckPointer(function, xyz, "out point"))
        return;
    if (sim::FaultPoints().Refuse(sim::FaultPoint::VertexPosition)) return;
    const sim::Vec3 position = object->mesh.Position(vertex);
    xyz[0] = position.x;
    xyz[1] = position.y;
    xyz[2] = position.z;
}

extern "C" TACKPIN_EXPORT int MQObj_AddVertex(MQObject obj, const float* xyz) {
    const char* function = "MQObj_AddVertex";
    sim::CheckCallAfterExit(function);
    Object* object = DrawObjectFor(function, obj);
    if (object == nullptr || !sim::CheckPointer(function, xyz, "point")) return -1;
    return object->mesh.AddVertex(sim::Vec3{xyz[0], xyz[1], xyz[2]});
}

extern "C" TACKPIN_EXPORT int MQObj_AddFace(MQObject obj, int count, const int* points) {
    const char* function = "MQObj_AddFace";
    sim::CheckCallAfterExit(function);
    Object* object = DrawObjectFor(function, obj);
    if (object == nullptr) return -1;
    if (count <= 0) {
        sim::ReportViolation(std::string(function) + ": point count " + std::to_string(count));
        return -1;
    }
    if (!sim::CheckPointer(function, points, "point list")) return -1;
    std::vector<int> list(points, points + count);
    if (!sim::CheckFacePoints(function, *object, list)) return -1;
    return object->mesh.AddFace(std::move(list));
}

// Writes as many indices as the face has points; nothing for a deleted face.
extern "C" TACKPIN_EXPORT void MQObj_GetFacePointArray(MQObject obj, int face, int* points) {
    const char* function = "MQObj_GetFacePointArray";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr || !sim::CheckFaceIndex(function, *object, face)) return;
    const std::vector<int>& list = object->mesh.FacePoints(face);
    if (list.empty() || !sim::CheckPointer(function, points, "out point list")) return;
    if (sim::FaultPoints().Refuse(sim::FaultPoint::FacePoints)) return;
    for (std::size_t i = 0; i < list.size(); ++i) points[i] = list[i];
}

// Answers the number of faces using the vertex; with a buffer, also writes them.
extern "C" TACKPIN_EXPORT int MQObj_GetVertexRelatedFaces(MQObject obj, int vertex, int* faces) {
    const char* function = "MQObj_GetVertexRelatedFaces";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr || !sim::CheckVertexIndex(function, *object, vertex)) return 0;
    const std::vector<int>& list = object->mesh.RelatedFaces(vertex);
    if (faces != nullptr)
        for (std::size_t i = 0; i < list.size(); ++i) faces[i] = list[i];
    return static_cast<int>(list.size());
}

extern "C" TACKPIN_EXPORT int MQObj_GetIntValue(MQObject obj, int type) {
    const char* function = "MQObj_GetIntValue";
    sim::CheckCallAfterExit(function);
    Object* object = ObjectFor(function, obj);
    if (object == nullptr) return 0;
    if (type == sim::object_value::kUniqueId) return object->uniqueId;
    ReportValueId(function, type, "reading");
    return 0;
}

extern "C" TACKPIN_EXPORT void MQObj_SetFloatArray(MQObject obj, int type, const float* values) {
    const char* function = "MQObj_SetFloatArray";
    sim::CheckCallAfterExit(function);
    Object* object = DrawObjectFor(function, obj);
    if (object == nullptr) return;
    if (type != sim::object_value::kColor) {
        ReportValueId(function, type, "setting");
        return;
    }
    if (!sim::CheckPointer(function, values, "colour")) return;
    // Taken as they come: a colour read back from hand-edited settings may
    // lie outside 0 to 1, and the host draws it anyway.
    for (int i = 0; i < 3; ++i) object->color[i] = values[i];
}

extern "C" TACKPIN_EXPORT void MQObj_SetIntValue(MQObject obj, int type, int value) {
    const char* function = "MQObj_SetIntValue";
    sim::CheckCallAfterExit(function);
    Object* object = DrawObjectFor(function, obj);
    if (object == nullptr) return;
    if (type != sim::object_value::kColor) {
        ReportValueId(function, type, "setting");
        return;
    }
    if (value != sim::object_value::kColorValid) {
        sim::ReportViolation(std::string(function) + ": colour flag " + std::to_string(value) +
                             " is not " + std::to_string(sim::object_value::kColorValid));
        return;
    }
    object->colorSet = value;
}
