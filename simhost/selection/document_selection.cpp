// The test API's selection: what a user of the host selects in a document
// between the plug-in's events, kept per object in its Selection.
#include <string>
#include <utility>
#include <vector>

#include "simhost/contract/index_checks.h"
#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"
#include "simhost/selection/selection.h"

namespace sim {

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

void DocumentModel::DeselectVertex(MQDocument doc, MQObject obj, int vertex) {
    const char* function = "DocumentModel::DeselectVertex";
    Object* object = ObjectInDocument(*this, function, doc, obj);
    if (object != nullptr && CheckVertexIndex(function, *object, vertex))
        object->selection.DeselectVertex(vertex);
}

void DocumentModel::DeselectLine(MQDocument doc, MQObject obj, int face, int line) {
    const char* function = "DocumentModel::DeselectLine";
    Object* object = ObjectInDocument(*this, function, doc, obj);
    if (object != nullptr && CheckLineIndex(function, *object, face, line))
        object->selection.DeselectLine(face, line);
}

void DocumentModel::DeselectFace(MQDocument doc, MQObject obj, int face) {
    const char* function = "DocumentModel::DeselectFace";
    Object* object = ObjectInDocument(*this, function, doc, obj);
    if (object != nullptr && CheckFaceIndex(function, *object, face))
        object->selection.DeselectFace(face);
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
