// Storing the current selection into a marker slot, and clearing a slot.
#include <vector>

#include "cmq/cmq_object.h"
#include "host/host_api.h"
#include "marker/tackpin.h"

namespace {

// Lines the sort of the gathered keys may need beyond them.
constexpr std::size_t kSortRoom = 32768;

// Slot `index` (not negative), the list grown to reach it.
MarkerSlot& SlotAt(std::vector<MarkerSlot>& slots, int index) {
    const auto position = static_cast<std::size_t>(index);
    if (position >= slots.size()) slots.resize(position + 1);
    return slots[position];
}

// Empties the slot's content. An overwrite keeps the containers' room for
// the new content; a clear gives it back, since nothing may come after it.
void EmptyContent(MarkerSlot& slot) {
    slot.vertexUniqueIds.clear();
    slot.edgeKeys.clear();
    slot.normalCache.clear();
}

void ReleaseContent(MarkerSlot& slot) {
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

// Adds the key of every selected line and of every line of a selected face;
// a line that two faces share gives one key. The keys are gathered first and
// go into the set together, sorted: one key at a time, each would land at a
// random place of a set that outgrows the cache on large meshes. Room for
// `expected` lines is made at once (with some to spare for the sort), so that
// a store like the last one gathers them without moving them.
void CaptureLines(const cmq::CMQObject& object, int objectIndex, SortedKeySet<EdgeKey>& keys,
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
    keys.InsertAll(lines);
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

    MarkerSlot& slot = SlotAt(slots, index);
    // A marker is mostly stored again from a selection like the last one.
    const std::size_t lastLines = slot.edgeKeys.size();
    const int objectUniqueId = current.UniqueId();
    if (slot.objectUniqueId == -1) {
        slot.objectUniqueId = objectUniqueId;
    } else if (!add || objectUniqueId != slot.objectUniqueId) {
        // Overwrite, or add on another object: the marker moves to the current one.
        EmptyContent(slot);
        slot.objectUniqueId = objectUniqueId;
    }
    slot.normalCache.clear();

    CaptureVertices(current, objectIndex, slot.vertexUniqueIds);
    CaptureLines(current, objectIndex, slot.edgeKeys, lastLines + lastLines / 8 + kSortRoom);

    slot.shown = true;
    normalsDirty = true;
    return 1;
}

int Tackpin::ClearMarker(int index) {
    if (index < 0) return 0;
    MarkerSlot& slot = SlotAt(slots, index);
    slot.shown = false;
    ReleaseContent(slot);
    placedVertices.Release();
    return 1;
}
