// Drawing objects and scene options, the station services that the plug-in
// asks for with messages 200, 210 and 410. A drawing object is a real object
// of its document's own list, apart from the document's objects: it is not
// counted, not reachable by index or unique id, and lives until message 210.
#include <span>
#include <string>

#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"
#include "simhost/host_changes.h"

namespace sim {

namespace {
// A message list longer than this is taken for one without its end marker.
constexpr int kMaxPairs = 64;

std::string KeyList(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys) {
        if (!text.empty()) text += ", ";
        text += "\"" + key + "\"";
    }
    return text.empty() ? "none" : text;
}

// The pairs of `list`, when its keys are exactly `expected` in that order;
// otherwise reported and empty.
std::vector<KeyValuePair*> ExpectKeys(const std::string& where, KeyValuePair* list,
                                      std::span<const char* const> expected) {
    std::vector<KeyValuePair*> pairs;
    std::vector<std::string> keys;
    for (KeyValuePair* pair = list; pair->key != nullptr; ++pair) {
        if (static_cast<int>(pairs.size()) == kMaxPairs) {
            ReportViolation(where + ": the list has no end (no null key within " +
                            std::to_string(kMaxPairs) + " pairs)");
            return {};
        }
        pairs.push_back(pair);
        keys.emplace_back(pair->key);
    }
    if (std::vector<std::string>(expected.begin(), expected.end()) != keys) {
        ReportViolation(where + ": keys are " + KeyList(keys) + ", expected " +
                        KeyList(std::vector<std::string>(expected.begin(), expected.end())));
        return {};
    }
    return pairs;
}

std::string DocumentText(const Document& doc) { return "document #" + std::to_string(doc.number); }
}  // namespace

void DocumentModel::HandleMessage(int number, MessageHeader& record) {
    const std::string where = "MQ_SendMessage(" + std::to_string(number) + ")";
    auto* list = static_cast<KeyValuePair*>(record.option);
    if (list == nullptr) {
        ReportViolation(where + ": no list");
        return;
    }
    switch (number) {
    case station_msg::kCreateDrawObject: HandleCreateDrawObject(where, list); break;
    case station_msg::kDeleteDrawObject: HandleDeleteDrawObject(where, list); break;
    case station_msg::kSceneOption: HandleSceneOption(where, list); break;
    default: ReportViolation(where + ": not a document message");
    }
}

bool DocumentModel::MakeDrawObjectNow() {
    DocumentFaults& faults = state_->faults;
    if (faults.refuseDrawObjects) return false;
    if (faults.drawObjectsBeforeRefusal == 0) return false;
    if (faults.drawObjectsBeforeRefusal > 0) --faults.drawObjectsBeforeRefusal;
    return true;
}

void DocumentModel::HandleCreateDrawObject(const std::string& where, KeyValuePair* list) {
    auto pairs = ExpectKeys(where, list, station_keys::kCreateDrawObject);
    if (pairs.empty()) return;
    Document* document =
        CheckDocument((where + " \"document\"").c_str(), static_cast<MQDocument>(pairs[0]->value));
    auto* visibility = static_cast<const int*>(pairs[1]->value);
    auto* instant = static_cast<const int*>(pairs[2]->value);
    KeyValuePair& result = *pairs[3];
    bool ok = document != nullptr;
    if (visibility == nullptr || instant == nullptr) {
        ReportViolation(where + ": null \"" + (visibility == nullptr ? "visibility" : "instant") +
                        "\" pointer");
        ok = false;
    } else if (*visibility < 0 || *visibility > 3) {
        ReportViolation(where + ": \"visibility\" " + std::to_string(*visibility) +
                        " is not 0 to 3");
    }
    if (result.value != nullptr) {
        ReportViolation(where + ": \"result\" does not start null");
        ok = false;
    }
    if (!ok || !MakeDrawObjectNow()) return;
    Object& object = NewObject(*document, true, "");
    object.visibility = *visibility;
    object.instant = *instant;
    result.value = object.handle;
    TellHostChange([&] {
        return where + ": made drawing object #" + std::to_string(object.uniqueId) +
               " (visibility " + std::to_string(object.visibility) + ")";
    });
}

void DocumentModel::HandleDeleteDrawObject(const std::string& where, KeyValuePair* list) {
    auto pairs = ExpectKeys(where, list, station_keys::kDeleteDrawObject);
    if (pairs.empty()) return;
    Document* document =
        CheckDocument((where + " \"document\"").c_str(), static_cast<MQDocument>(pairs[0]->value));
    auto* object = static_cast<Object*>(CheckHandle(
        (where + " \"object\"").c_str(), pairs[1]->value, HandleKind::DrawObject, false));
    if (document == nullptr || object == nullptr) return;
    Document& madeIn = *object->document;
    if (&madeIn != document) {
        ReportViolation(where + ": drawing object #" + std::to_string(object->uniqueId) +
                        " was made in " + DocumentText(madeIn) + " but the delete names " +
                        DocumentText(*document) + "; it is not deleted");
        return;
    }
    TellHostChange(
        [&] { return where + ": deleted drawing object #" + std::to_string(object->uniqueId); });
    Handles().Retire(object->handle);
    auto& drawObjects = madeIn.drawObjects;
    for (auto it = drawObjects.begin(); it != drawObjects.end(); ++it) {
        if (it->get() == object) {
            drawObjects.erase(it);
            break;
        }
    }
}

void DocumentModel::HandleSceneOption(const std::string& where, KeyValuePair* list) {
    auto pairs = ExpectKeys(where, list, station_keys::kSceneOption);
    if (pairs.empty()) return;
    Scene* scene =
        CheckScene((where + " \"scene\"").c_str(), static_cast<MQScene>(pairs[0]->value));
    bool ok = scene != nullptr;
    for (std::size_t i = 1; i < pairs.size(); ++i) {
        if (pairs[i]->value == nullptr) {
            ReportViolation(where + ": null \"" + pairs[i]->key + "\" pointer");
            ok = false;
        }
    }
    if (!ok || state_->faults.silentScenes) return;
    const SceneOptions& options = scene->options;
    const int answers[] = {options.showVertex, options.showLine, options.showFace,
                           options.frontOnly, options.showBkimg};
    for (std::size_t i = 1; i < pairs.size(); ++i)
        *static_cast<int*>(pairs[i]->value) = answers[i - 1];
}

std::vector<DrawObjectInfo> DocumentModel::DrawObjects(MQDocument doc) const {
    std::vector<DrawObjectInfo> infos;
    Document* document = CheckDocument("DocumentModel::DrawObjects", doc);
    if (document == nullptr) return infos;
    for (const auto& object : document->drawObjects) {
        DrawObjectInfo info{object->handle,
                            document->handle,
                            object->visibility,
                            object->instant,
                            {object->color[0], object->color[1], object->color[2]},
                            object->colorSet,
                            {},
                            {}};
        const Mesh& mesh = object->mesh;
        for (int i = 0; i < mesh.VertexCount(); ++i) info.vertices.push_back(mesh.Position(i));
        for (int i = 0; i < mesh.FaceCount(); ++i) info.faces.push_back(mesh.FacePoints(i));
        infos.push_back(std::move(info));
    }
    return infos;
}

int DocumentModel::LiveDrawObjectCount() const {
    int count = 0;
    for (const auto& document : state_->documents)
        count += static_cast<int>(document->drawObjects.size());
    return count;
}

void DocumentModel::CheckAfterUnload() {
    for (const auto& document : state_->documents)
        for (const auto& object : document->drawObjects)
            ReportViolation("plug-in unloaded: drawing object #" +
                            std::to_string(object->uniqueId) + " of " + DocumentText(*document) +
                            " is still alive");
}

}  // namespace sim
