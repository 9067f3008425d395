// The test API's mesh editing: what a user of the host does to a mesh
// object between the plug-in's events. Selecting is in
// selection/document_selection.cpp.
#include "simhost/contract/index_checks.h"
#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"

namespace sim {

int DocumentModel::AddVertex(MQObject obj, Vec3 position) {
    Object* object = CheckObject("DocumentModel::AddVertex", obj);
    return object == nullptr ? -1 : object->mesh.AddVertex(position);
}

void DocumentModel::SetVertexPosition(MQObject obj, int index, Vec3 position) {
    const char* function = "DocumentModel::SetVertexPosition";
    Object* object = CheckObject(function, obj);
    if (object != nullptr && CheckVertexIndex(function, *object, index))
        object->mesh.SetPosition(index, position);
}

Vec3 DocumentModel::VertexPosition(MQObject obj, int index) const {
    const char* function = "DocumentModel::VertexPosition";
    Object* object = CheckObject(function, obj);
    if (object == nullptr || !CheckVertexIndex(function, *object, index)) return Vec3{0, 0, 0};
    return object->mesh.Position(index);
}

int DocumentModel::AddFace(MQObject obj, std::vector<int> points) {
    const char* function = "DocumentModel::AddFace";
    Object* object = CheckObject(function, obj);
    if (object == nullptr || !CheckFacePoints(function, *object, points)) return -1;
    return object->mesh.AddFace(std::move(points));
}

void DocumentModel::DeleteVertex(MQObject obj, int index) {
    const char* function = "DocumentModel::DeleteVertex";
    Object* object = CheckObject(function, obj);
    if (object != nullptr && CheckVertexIndex(function, *object, index))
        object->DeleteVertex(index);
}

void DocumentModel::DeleteFace(MQObject obj, int index) {
    const char* function = "DocumentModel::DeleteFace";
    Object* object = CheckObject(function, obj);
    if (object != nullptr && CheckFaceIndex(function, *object, index)) object->DeleteFace(index);
}

void DocumentModel::Compact(MQObject obj) {
    if (Object* object = CheckObject("DocumentModel::Compact", obj)) object->Compact();
}

const Mesh* DocumentModel::MeshOf(MQObject obj) const {
    Object* object = CheckObject("DocumentModel::MeshOf", obj);
    return object == nullptr ? nullptr : &object->mesh;
}

int DocumentModel::VertexCount(MQObject obj) const {
    Object* object = CheckObject("DocumentModel::VertexCount", obj);
    return object == nullptr ? 0 : object->mesh.VertexCount();
}

int DocumentModel::FaceCount(MQObject obj) const {
    Object* object = CheckObject("DocumentModel::FaceCount", obj);
    return object == nullptr ? 0 : object->mesh.FaceCount();
}

std::vector<int> DocumentModel::FacePoints(MQObject obj, int face) const {
    const char* function = "DocumentModel::FacePoints";
    Object* object = CheckObject(function, obj);
    if (object == nullptr || !CheckFaceIndex(function, *object, face)) return {};
    return object->mesh.FacePoints(face);
}

int DocumentModel::VertexRefCount(MQObject obj, int index) const {
    const char* function = "DocumentModel::VertexRefCount";
    Object* object = CheckObject(function, obj);
    if (object == nullptr || !CheckVertexIndex(function, *object, index)) return 0;
    return object->mesh.RefCount(index);
}

std::vector<int> DocumentModel::VertexRelatedFaces(MQObject obj, int index) const {
    const char* function = "DocumentModel::VertexRelatedFaces";
    Object* object = CheckObject(function, obj);
    if (object == nullptr || !CheckVertexIndex(function, *object, index)) return {};
    return object->mesh.RelatedFaces(index);
}

int DocumentModel::VertexUniqueId(MQObject obj, int index) const {
    const char* function = "DocumentModel::VertexUniqueId";
    Object* object = CheckObject(function, obj);
    if (object == nullptr || !CheckVertexIndex(function, *object, index)) return -1;
    return object->mesh.VertexUniqueId(index);
}

int DocumentModel::VertexIndex(MQObject obj, int uniqueId) const {
    Object* object = CheckObject("DocumentModel::VertexIndex", obj);
    return object == nullptr ? -1 : object->mesh.VertexIndex(uniqueId);
}

void DocumentModel::SetNextVertexUniqueId(MQObject obj, int uniqueId) {
    if (Object* object = CheckObject("DocumentModel::SetNextVertexUniqueId", obj))
        object->mesh.SetNextVertexUniqueId(uniqueId);
}

}  // namespace sim
