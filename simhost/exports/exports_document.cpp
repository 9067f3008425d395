// The host's document functions: objects of a document by index and unique id,
// the current object, and the selection by object index. Each checks the
// plug-in's handles and indices before it acts.
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/contract/index_checks.h"
#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"
#include "simhost/faults/fault_points.h"
#include "simhost/host_changes.h"
#include "simhost/selection/selection.h"

namespace {
using sim::Document;
using sim::Documents;
using sim::Object;

// The live object at `index` of a live document, or null (reported).
Object* ObjectAt(const char* function, MQDocument doc, int index) {
    Document* document = Documents().CheckDocument(function, doc);
    return document == nullptr ? nullptr : Documents().CheckObjectAt(function, *document, index);
}
}  // namespace

extern "C" TACKPIN_EXPORT int MQDoc_GetCurrentObjectIndex(MQDocument doc) {
    if (Documents().CheckDocument("MQDoc_GetCurrentObjectIndex", doc) == nullptr) return -1;
    if (sim::FaultPoints().Refuse(sim::FaultPoint::CurrentObject)) return -1;
    return Documents().CurrentObjectIndex(doc);
}

// A negative index answers null: it is what the host itself gives for "no
// current object", so passing it back is no breach.
extern "C" TACKPIN_EXPORT MQObject MQDoc_GetObject(MQDocument doc, int index) {
    const char* function = "MQDoc_GetObject";
    Document* document = Documents().CheckDocument(function, doc);
    if (document == nullptr || index < 0) return nullptr;
    if (index >= static_cast<int>(document->objects.size())) {
        sim::ReportViolation(std::string(function) + ": object index " + std::to_string(index) +
                             " out of range (" + std::to_string(document->objects.size()) +
                             " objects)");
        return nullptr;
    }
    Object* object = document->At(index);
    if (sim::FaultPoints().Refuse(sim::FaultPoint::ObjectByIndex)) return nullptr;
    return object == nullptr ? nullptr : object->handle;
}

extern "C" TACKPIN_EXPORT MQObject MQDoc_GetObjectFromUniqueID(MQDocument doc, int uniqueId) {
    if (Documents().CheckDocument("MQDoc_GetObjectFromUniqueID", doc) == nullptr) return nullptr;
    if (sim::FaultPoints().Refuse(sim::FaultPoint::ObjectByUniqueId)) return nullptr;
    return Documents().ObjectFromUniqueId(doc, uniqueId);
}

extern "C" TACKPIN_EXPORT int MQDoc_GetObjectIndex(MQDocument doc, MQObject obj) {
    const char* function = "MQDoc_GetObjectIndex";
    Document* document = Documents().CheckDocument(function, doc);
    // A drawing object is never among the document's objects: asking for its
    // index is a mix-up of handles, not a question with the answer -1.
    Object* object = Documents().CheckMeshObject(function, obj);
    if (document == nullptr || object == nullptr || object->document != document) return -1;
    if (sim::FaultPoints().Refuse(sim::FaultPoint::ObjectIndex)) return -1;
    return document->indexByUniqueId.at(object->uniqueId);
}

extern "C" TACKPIN_EXPORT int MQDoc_IsSelectVertex(MQDocument doc, int objIndex, int vertex) {
    const char* function = "MQDoc_IsSelectVertex";
    Object* object = ObjectAt(function, doc, objIndex);
    if (object == nullptr || !sim::CheckVertexIndex(function, *object, vertex)) return 0;
    return object->selection.VertexSelected(vertex) ? 1 : 0;
}

extern "C" TACKPIN_EXPORT int MQDoc_IsSelectLine(MQDocument doc, int objIndex, int face, int line) {
    const char* function = "MQDoc_IsSelectLine";
    Object* object = ObjectAt(function, doc, objIndex);
    if (object == nullptr || !sim::CheckLineIndex(function, *object, face, line)) return 0;
    return object->selection.LineSelected(face, line) ? 1 : 0;
}

extern "C" TACKPIN_EXPORT int MQDoc_IsSelectFace(MQDocument doc, int objIndex, int face) {
    const char* function = "MQDoc_IsSelectFace";
    Object* object = ObjectAt(function, doc, objIndex);
    if (object == nullptr || !sim::CheckFaceIndex(function, *object, face)) return 0;
    return object->selection.FaceSelected(face) ? 1 : 0;
}

// Clears the kinds named by the flag's bits (1 vertices, 2 lines, 4 faces) in
// every object of the document.
extern "C" TACKPIN_EXPORT int MQDoc_ClearSelect(MQDocument doc, unsigned int flag) {
    Document* document = Documents().CheckDocument("MQDoc_ClearSelect", doc);
    if (document == nullptr) return 0;
    for (auto& object : document->objects)
        if (object != nullptr) object->selection.Clear(flag);
    sim::CountSelectionCall(sim::SelectionCall::Clear);
    return 1;
}

// A deleted vertex's slot cannot be selected: the call answers 0.
extern "C" TACKPIN_EXPORT int MQDoc_AddSelectVertex(MQDocument doc, int objIndex, int vertex) {
    const char* function = "MQDoc_AddSelectVertex";
    Object* object = ObjectAt(function, doc, objIndex);
    if (object == nullptr || !sim::CheckVertexIndex(function, *object, vertex)) return 0;
    if (!object->mesh.VertexAlive(vertex)) return 0;
    object->selection.SelectVertex(vertex);
    sim::CountSelectionCall(sim::SelectionCall::Vertex);
    return 1;
}

extern "C" TACKPIN_EXPORT int MQDoc_AddSelectLine(MQDocument doc, int objIndex, int face,
                                                  int line) {
    const char* function = "MQDoc_AddSelectLine";
    Object* object = ObjectAt(function, doc, objIndex);
    if (object == nullptr || !sim::CheckLineIndex(function, *object, face, line)) return 0;
    object->selection.SelectLine(face, line);
    sim::CountSelectionCall(sim::SelectionCall::Line);
    return 1;
}
