// Storing the current selection into a marker slot, and clearing a slot.
#include <vector>

#include "cmq/cmq_object.h"
#include "host/host_api.h"
#include "marker/tackpin.h"

namespace {

// Lines the sort of the gathered keys may need beyond them.
constexpr std::size_t kSortRoom = 32768;

// Gives the slot's content back: nothing may come after a clear. Moving
// empty containers in allocates nothing and cannot fail.
void ReleaseContent(MarkerSlot& slot) noexcept {
    slot.vertexUniqueIds = std::vector<int>();
    slot.edgeKeys = SortedKeySet<EdgeKey>();
    slot.normalCache = NormalCache();
}

// Appends the unique ids of the selected used vertices, ascending by index.
// Ids already in the list are appended again. The walk uses the indices
// alone: a vertex record would also read the position, which a store never
// needs.
void CaptureVertices(const cmq::CMQObject& object, int objectIndex, std::vector<int>& uniqueIds) {
    for (auto vertex = object.Vertices().begin(); vertex != cmq::ElementRangeEnd{}; ++vertex) {
        const int v = vertex.Index();
        if (host::DocIsSelectVertex(object.document, objectIndex, v) != 0) {
            uniqueIds.push_back(host::ObjGetVertexUniqueID(object.object, v));
        }
    }
}

// The key of every selected line and of every line of a selected face, in
// the order the faces are walked; a line that two faces share comes twice.
// The keys go into the set together, sorted: one key at a time, each would
// land at a random place of a set that outgrows the cache on large meshes.
// Room for `expected` lines is made at once (with some to spare for the
// sort), so that a store like the last one gathers them without moving them.
std::vector<EdgeKey> CaptureLines(const cmq::CMQObject& object, int objectIndex,
                                  std::size_t expected) {
    // One list for every face's points: the walk allocates nothing per face.
    std::vector<int> points;
    std::vector<EdgeKey> lines;
    lines.reserve(expected);
    const auto addLine = [&](int k) {
        const auto at = static_cast<std::size_t>(k);
        const int start = points[at];
        const int end = points[at + 1 < points.size() ? at + 1 : 0];
        lines.push_back(MakeEdgeKey(host::ObjGetVertexUniqueID(object.object, start),
                                    host::ObjGetVertexUniqueID(object.object, end)));
    };
    for (auto face = object.Faces().begin(); face != cmq::ElementRangeEnd{}; ++face) {
        const int f = face.Index();
        const int n = face.Size();
        // Whether the face is selected cannot change during the store: ask
        // once. Its number of points is the one the walk was just told.
        if (host::DocIsSelectFace(object.document, objectIndex, f) != 0) {
            object.ReadFacePoints(f, n, points);
            for (int k = 0; k < static_cast<int>(points.size()); ++k) addLine(k);
            continue;
        }
        bool pointsRead = false;
        for (int k = 0; k < n; ++k) {
            if (host::DocIsSelectLine(object.document, objectIndex, f, k) == 0) continue;
            // The points are read only for faces that have a marked line.
            if (!pointsRead) {
                object.ReadFacePoints(f, n, points);
                pointsRead = true;
            }
            if (k < static_cast<int>(points.size())) addLine(k);
        }
    }
    return lines;
}

}  // namespace

int Tackpin::StoreMarker(MQDocument doc, int index, bool add) {
    if (index < 0) return 0;
    const cmq::CMQObject current = cmq::CMQObject::FromCurrentObject(doc);
    // Without a current object there is no selection to store.
    if (!current.IsValid()) return 0;
    // The object's place in the document is the same for every element.
    const int objectIndex = host::DocGetObjectIndex(doc, current.object);
    if (objectIndex < 0) return 0;

    // The new content is gathered beside the old one, which stays whole
    // until the store cannot fail any more: memory running out part way
    // leaves the marker as it was. A marker is mostly stored again from a
    // selection like the last one, so room for as much is made at once.
    const auto position = static_cast<std::size_t>(index);
    const MarkerSlot* old = position < slots.size() ? &slots[position] : nullptr;
    const int objectUniqueId = current.UniqueId();
    // An add on the marker's own object keeps the old content, and so does
    // a slot that never named an object; anything else moves the marker.
    const bool keep = old != nullptr &&
                      (old->objectUniqueId == -1 || (add && old->objectUniqueId == objectUniqueId));
    const std::size_t lastVertices = old != nullptr ? old->vertexUniqueIds.size() : 0;
    const std::size_t lastLines = old != nullptr ? old->edgeKeys.size() : 0;

    std::vector<int> vertices;
    if (!keep) vertices.reserve(lastVertices);
    CaptureVertices(current, objectIndex, vertices);
    std::vector<EdgeKey> lines =
        CaptureLines(current, objectIndex, lastLines + lastLines / 8 + kSortRoom);

    if (keep) {
        MarkerSlot& slot = slots[position];
        // Both may fail and leave the slot as it was; once the room for the
        // vertices is there, appending them cannot fail.
        slot.vertexUniqueIds.reserve(slot.vertexUniqueIds.size() + vertices.size());
        slot.edgeKeys.InsertAll(lines);
        slot.vertexUniqueIds.insert(slot.vertexUniqueIds.end(), vertices.begin(), vertices.end());
    } else {
        SortedKeySet<EdgeKey> keys;
        keys.InsertAll(lines);
        if (position >= slots.size()) slots.resize(position + 1);
        MarkerSlot& slot = slots[position];
        slot.vertexUniqueIds.swap(vertices);
        std::swap(slot.edgeKeys, keys);
    }
    // From here on nothing allocates.
    MarkerSlot& slot = slots[position];
    slot.objectUniqueId = objectUniqueId;
    slot.normalCache.clear();
    slot.shown = true;
    normalsDirty = true;
    return 1;
}

int Tackpin::ClearMarker(int index) {
    if (index < 0) return 0;
    const auto position = static_cast<std::size_t>(index);
    // Growing the list is the only step that can fail, and it fails whole.
    if (position >= slots.size()) slots.resize(position + 1);
    MarkerSlot& slot = slots[position];
    slot.shown = false;
    ReleaseContent(slot);
    placedVertices.Release();
    return 1;
}
