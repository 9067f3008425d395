#include "simhost/documents/document_model.h"

#include <cstdio>

#include "simhost/contract/violations.h"
#include "simhost/documents/document_parts.h"

namespace sim {

DocumentModel& Documents() {
    static DocumentModel model;
    return model;
}

DocumentModel::DocumentModel() : state_(std::make_unique<State>()) {
    Handles();  // made first, so that the table outlives the model
}
DocumentModel::~DocumentModel() = default;

void DocumentModel::Reset() {
    for (HandleKind kind :
         {HandleKind::Document, HandleKind::Object, HandleKind::DrawObject, HandleKind::Scene})
        Handles().RetireAll(kind);
    state_ = std::make_unique<State>();
}

DocumentFaults& DocumentModel::Faults() { return state_->faults; }

// --- Handle checks -------------------------------------------------------------

namespace {
std::string HandleText(const void* handle) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    return text;
}

const char* GoneReason(HandleKind kind) {
    switch (kind) {
    case HandleKind::Object: return "the object was deleted";
    case HandleKind::DrawObject: return "the drawing object was deleted by message 210";
    default: return "it was deleted";
    }
}
}  // namespace

void* DocumentModel::CheckHandle(const char* function, const void* handle, HandleKind wanted,
                                 bool acceptDrawObject) const {
    // Built only when there is something to report: valid calls are the hot
    // path of every benchmark.
    auto where = [function] { return std::string(function) + ": "; };
    const char* kind = acceptDrawObject ? "object" : HandleKindName(wanted);
    if (handle == nullptr) {
        ReportViolation(where() + "null " + kind + " handle");
        return nullptr;
    }
    const HandleTable::Entry* entry = Handles().Find(handle);
    if (entry == nullptr) {
        ReportViolation(where() + "unknown " + kind + " handle " + HandleText(handle));
        return nullptr;
    }
    const bool kindMatches =
        entry->kind == wanted || (acceptDrawObject && entry->kind == HandleKind::DrawObject);
    if (!kindMatches) {
        const char* expected =
            wanted == HandleKind::Object && !acceptDrawObject ? "document object" : kind;
        const char* found =
            entry->kind == HandleKind::Object ? "document object" : HandleKindName(entry->kind);
        ReportViolation(where() + found + " handle where a " + expected + " handle is expected");
        return nullptr;
    }
    if (entry->target == nullptr) {
        ReportViolation(
            where() + "stale " + HandleKindName(entry->kind) + " handle (" +
            (entry->reset ? "from before the host was reset" : GoneReason(entry->kind)) + ")");
        return nullptr;
    }
    return entry->target;
}

Document* DocumentModel::CheckDocument(const char* function, MQDocument doc) const {
    return static_cast<Document*>(CheckHandle(function, doc, HandleKind::Document, false));
}

Object* DocumentModel::CheckObject(const char* function, MQObject obj) const {
    return static_cast<Object*>(CheckHandle(function, obj, HandleKind::Object, true));
}

Object* DocumentModel::CheckMeshObject(const char* function, MQObject obj) const {
    return static_cast<Object*>(CheckHandle(function, obj, HandleKind::Object, false));
}

Object* DocumentModel::CheckDrawObject(const char* function, MQObject obj) const {
    return static_cast<Object*>(CheckHandle(function, obj, HandleKind::DrawObject, false));
}

Scene* DocumentModel::CheckScene(const char* function, MQScene scene) const {
    return static_cast<Scene*>(CheckHandle(function, scene, HandleKind::Scene, false));
}

Object* DocumentModel::CheckObjectAt(const char* function, const Document& doc, int index) const {
    Object* object = doc.At(index);
    if (object == nullptr) {
        const bool inRange = index >= 0 && index < static_cast<int>(doc.objects.size());
        ReportViolation(
            std::string(function) + ": object index " + std::to_string(index) +
            (inRange ? " names a deleted object"
                     : " is out of range (" + std::to_string(doc.objects.size()) + " objects)"));
    }
    return object;
}

// --- Documents and objects -------------------------------------------------------

MQDocument DocumentModel::NewDocument() {
    auto doc = std::make_unique<Document>();
    doc->number = static_cast<int>(state_->documents.size()) + 1;
    doc->handle = static_cast<MQDocument>(Handles().Issue(HandleKind::Document, doc.get()));
    state_->documents.push_back(std::move(doc));
    return state_->documents.back()->handle;
}

Object& DocumentModel::NewObject(Document& doc, bool drawing, const std::string& name) {
    auto object = std::make_unique<Object>();
    object->document = &doc;
    object->drawing = drawing;
    object->name = name;
    object->uniqueId = nextObjectUniqueId_++;
    object->handle = static_cast<MQObject>(
        Handles().Issue(drawing ? HandleKind::DrawObject : HandleKind::Object, object.get()));
    auto& list = drawing ? doc.drawObjects : doc.objects;
    list.push_back(std::move(object));
    return *list.back();
}

MQObject DocumentModel::AddObject(MQDocument doc, const std::string& name) {
    Document* document = CheckDocument("DocumentModel::AddObject", doc);
    if (document == nullptr) return nullptr;
    Object& object = NewObject(*document, false, name);
    const int index = static_cast<int>(document->objects.size()) - 1;
    document->indexByUniqueId.emplace(object.uniqueId, index);
    if (document->current < 0) document->current = index;
    return object.handle;
}

void DocumentModel::SetCurrentObject(MQDocument doc, int index) {
    Document* document = CheckDocument("DocumentModel::SetCurrentObject", doc);
    if (document == nullptr) return;
    if (CheckObjectAt("DocumentModel::SetCurrentObject", *document, index) != nullptr)
        document->current = index;
}

int DocumentModel::CurrentObjectIndex(MQDocument doc) const {
    Document* document = CheckDocument("DocumentModel::CurrentObjectIndex", doc);
    if (document == nullptr || state_->faults.noCurrentObject) return -1;
    return document->current;
}

int DocumentModel::ObjectCount(MQDocument doc) const {
    Document* document = CheckDocument("DocumentModel::ObjectCount", doc);
    return document == nullptr ? 0 : static_cast<int>(document->objects.size());
}

MQObject DocumentModel::ObjectAt(MQDocument doc, int index) const {
    Document* document = CheckDocument("DocumentModel::ObjectAt", doc);
    Object* object = document == nullptr ? nullptr : document->At(index);
    return object == nullptr ? nullptr : object->handle;
}

MQObject DocumentModel::ObjectFromUniqueId(MQDocument doc, int uniqueId) const {
    Document* document = CheckDocument("DocumentModel::ObjectFromUniqueId", doc);
    if (document == nullptr) return nullptr;
    auto found = document->indexByUniqueId.find(uniqueId);
    return found == document->indexByUniqueId.end() ? nullptr
                                                    : document->objects[found->second]->handle;
}

int DocumentModel::ObjectIndex(MQDocument doc, MQObject obj) const {
    // A test may well ask about an object it has just deleted: no breach.
    const HandleTable::Entry* entry = Handles().Find(obj);
    if (entry != nullptr && entry->target == nullptr) return -1;
    Document* document = CheckDocument("DocumentModel::ObjectIndex", doc);
    Object* object = CheckObject("DocumentModel::ObjectIndex", obj);
    if (document == nullptr || object == nullptr || object->drawing || object->document != document)
        return -1;
    return document->indexByUniqueId.at(object->uniqueId);
}

void DocumentModel::DeleteObject(MQDocument doc, MQObject obj) {
    const char* function = "DocumentModel::DeleteObject";
    Document* found = CheckDocument(function, doc);
    Object* object = CheckMeshObject(function, obj);
    if (found == nullptr || object == nullptr) return;
    if (object->document != found) {
        ReportViolation(std::string(function) + ": the object is not in the document");
        return;
    }
    Document& document = *found;
    const int index = document.indexByUniqueId.at(object->uniqueId);
    document.indexByUniqueId.erase(document.objects[index]->uniqueId);
    Handles().Retire(obj);
    document.objects[index].reset();
    if (document.current == index) {
        document.current = -1;
        for (std::size_t i = 0; i < document.objects.size() && document.current < 0; ++i)
            if (document.objects[i] != nullptr) document.current = static_cast<int>(i);
    }
}

void DocumentModel::CompactObjects(MQDocument doc) {
    Document* document = CheckDocument("DocumentModel::CompactObjects", doc);
    if (document == nullptr) return;
    std::vector<std::unique_ptr<Object>> objects;
    int current = -1;
    for (std::size_t i = 0; i < document->objects.size(); ++i) {
        if (document->objects[i] == nullptr) continue;
        if (static_cast<int>(i) == document->current) current = static_cast<int>(objects.size());
        objects.push_back(std::move(document->objects[i]));
    }
    document->objects = std::move(objects);
    document->current = current;
    document->ReindexObjects();
}

int DocumentModel::ObjectUniqueId(MQObject obj) const {
    Object* object = CheckObject("DocumentModel::ObjectUniqueId", obj);
    return object == nullptr ? -1 : object->uniqueId;
}

void DocumentModel::SetObjectVisible(MQObject obj, bool visible) {
    if (Object* object = CheckObject("DocumentModel::SetObjectVisible", obj))
        object->visible = visible;
}

bool DocumentModel::ObjectVisible(MQObject obj) const {
    Object* object = CheckObject("DocumentModel::ObjectVisible", obj);
    return object != nullptr && object->visible;
}

std::string DocumentModel::ObjectName(MQObject obj) const {
    Object* object = CheckObject("DocumentModel::ObjectName", obj);
    return object == nullptr ? std::string() : object->name;
}

// --- Scenes and faults ---------------------------------------------------------------

MQScene DocumentModel::NewScene(MQDocument doc, SceneOptions options) {
    Document* document = CheckDocument("DocumentModel::NewScene", doc);
    if (document == nullptr) return nullptr;
    auto scene = std::make_unique<Scene>();
    scene->document = document;
    scene->options = options;
    scene->handle = static_cast<MQScene>(Handles().Issue(HandleKind::Scene, scene.get()));
    state_->scenes.push_back(std::move(scene));
    return state_->scenes.back()->handle;
}

void DocumentModel::SetSceneOptions(MQScene scene, SceneOptions options) {
    if (Scene* found = CheckScene("DocumentModel::SetSceneOptions", scene))
        found->options = options;
}

}  // namespace sim
