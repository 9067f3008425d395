// The test API's mesh editing and selection: what a user of the host does to
// the document between the plug-in's events.
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

// --- Selection ----------------------------------------------------------------------

namespace {
// The object, when both handles are live and the object is one of the document's.
Object* ObjectInDocument(const DocumentModel& model, const char* function, MQDocument doc,
                         MQObject obj) {
    Document* document = model.CheckDocument(function, doc);
    Object* object = model.CheckMeshObject(function, obj);
    if (document == nullptr || object == nullptr) return nullptr;
    if (object->document != document) {
        ReportViolation(std::string(function) + ": the object is not in the document");
        return nullptr;
    }
    return object;
}
}  // namespace

void DocumentModel::SelectVertex(MQDocument doc, MQObject obj, int vertex) {
    const char* function = "DocumentModel::SelectVertex";
    Object* object = ObjectInDocument(*this, function, doc, obj);
    if (object != nullptr && CheckVertexIndex(function, *object, vertex) &&
        object->mesh.VertexAlive(vertex))
        object->selection.SelectVertex(vertex);
}

void DocumentModel::SelectLine(MQDocument doc, MQObject obj, int face, int line) {
    const char* function = "DocumentModel::SelectLine";
    Object* object = ObjectInDocument(*this, function, doc, obj);
    if (object != nullptr && CheckLineIndex(function, *object, face, line))
        object->selection.SelectLine(face, line);
}

void DocumentModel::SelectFace(MQDocument doc, MQObject obj, int face) {
    const char* function = "DocumentModel::SelectFace";
    Object* object = ObjectInDocument(*this, function, doc, obj);
    if (object != nullptr && CheckFaceIndex(function, *object, face) &&
        object->mesh.FacePointCount(face) > 0)
        object->selection.SelectFace(face);
}

void DocumentModel::ClearSelection(MQDocument doc) {
    Document* document = CheckDocument("DocumentModel::ClearSelection", doc);
    if (document == nullptr) return;
    for (auto& object : document->objects)
        if (object != nullptr)
            object->selection.Clear(select_flag::kVertices | select_flag::kLines |
                                    select_flag::kFaces);
}

std::vector<int> DocumentModel::SelectedVertices(MQDocument doc, MQObject obj) const {
    Object* object = ObjectInDocument(*this, "DocumentModel::SelectedVertices", doc, obj);
    return object == nullptr ? std::vector<int>{} : object->selection.Vertices();
}

std::vector<std::pair<int, int>> DocumentModel::SelectedLines(MQDocument doc, MQObject obj) const {
    Object* object = ObjectInDocument(*this, "DocumentModel::SelectedLines", doc, obj);
    return object == nullptr ? std::vector<std::pair<int, int>>{} : object->selection.Lines();
}

std::vector<int> DocumentModel::SelectedFaces(MQDocument doc, MQObject obj) const {
    Object* object = ObjectInDocument(*this, "DocumentModel::SelectedFaces", doc, obj);
    return object == nullptr ? std::vector<int>{} : object->selection.Faces();
}

}  // namespace sim
