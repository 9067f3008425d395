// The marker overlay: at every draw event each slot's drawing object is
// deleted and, when the slot qualifies, made afresh from the current
// geometry, selection and view options.
#include "marker/overlay_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "host/host_api.h"
#include "marker/tackpin.h"

int DrawVisibility(const SceneOptions& options, bool drawAlways) {
    int visibility = 0;
    if (options.showVertex != 0) visibility += 1;
    if (options.showLine != 0 || drawAlways) visibility += 2;
    return visibility;
}

namespace {

// The slot's object with its place in the document, when it is in the
// document and visible; otherwise a view naming no object.
struct ShownObject {
    cmq::CMQObject view;
    int index = -1;
};

ShownObject FindShownObject(MQDocument doc, int objectUniqueId) {
    ShownObject found{cmq::CMQObject::FromUniqueId(doc, objectUniqueId), -1};
    if (!found.view.IsValid()) return found;
    found.index = host::DocGetObjectIndex(doc, found.view.object);
    if (found.index < 0 || host::ObjGetVisible(found.view.object) == 0) return {};
    return found;
}

// The edge between object vertices a and b shows as selected in the host: a
// face that holds it is selected, or its own line in such a face is. Only the
// lines that run along the edge are gathered (FindLinesBetween), not every
// line at its first end, so a selection elsewhere around an end leaves the
// edge drawn: it is left out exactly when the host's own selection display
// shows it.
bool EdgeSelected(const cmq::CMQObject& object, int objectIndex, int a, int b,
                  cmq::LineSearch& search) {
    object.FindLinesBetween(a, b, search);
    for (cmq::LineKey line : search.lines) {
        const int face = cmq::LineKeyFace(line);
        if (host::DocIsSelectFace(object.document, objectIndex, face) != 0) return true;
        if (host::DocIsSelectLine(object.document, objectIndex, face, cmq::LineKeyLine(line)) != 0)
            return true;
    }
    return false;
}

// Unique ids of every marked vertex: the listed ones and both ends of every
// marked line.
DenseHashSet<int> MarkedVertexIds(const MarkerSlot& slot) {
    DenseHashSet<int> ids;
    ids.reserve(slot.vertexUniqueIds.size() + 2 * slot.edgeKeys.size());
    for (int id : slot.vertexUniqueIds) ids.insert(id);
    for (EdgeKey key : slot.edgeKeys) {
        ids.insert(EdgeKeyHigh(key));
        ids.insert(EdgeKeyLow(key));
    }
    return ids;
}

// Lists that the normals refresh keeps from one vertex to the next, so that
// it allocates nothing per vertex.
struct NormalScratch {
    std::vector<int> faces;
    std::vector<int> points;
    std::vector<cmq::CornerPositions> corners;
};

// Mean of the unit normals of the faces around vertex v at its corner; none
// when no face uses it. A zero corner normal counts as (0, 0, 0), and the mean
// is not brought back to unit length. Every face's corner is read from the
// host first and the arithmetic follows, so that one corner's square root and
// divisions do not wait for the next corner's questions.
std::optional<cmq::Vec3> MeanCornerNormal(const cmq::CMQObject& object, int v,
                                          NormalScratch& scratch) {
    scratch.corners.clear();
    object.ReadVertexRelatedFaces(v, scratch.faces);
    for (int face : scratch.faces) {
        object.ReadFacePoints(face, scratch.points);
        const auto corner = std::find(scratch.points.begin(), scratch.points.end(), v);
        if (corner == scratch.points.end()) continue;
        // Read straight into the list: the host's answers are not copied again.
        object.ReadCornerPositions(scratch.points,
                                   static_cast<int>(corner - scratch.points.begin()),
                                   scratch.corners.emplace_back());
    }
    if (scratch.corners.empty()) return std::nullopt;

    cmq::Vec3 sum{0.0f, 0.0f, 0.0f};
    for (const cmq::CornerPositions& corner : scratch.corners) {
        const cmq::Vec3 normal = cmq::CMQObject::CornerNormal(corner);
        const float length =
            std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
        if (length > 0.0f) {
            for (int i = 0; i < 3; ++i) sum[i] += normal[i] / length;
        }
    }
    const auto n = static_cast<float>(scratch.corners.size());
    return cmq::Vec3{sum[0] / n, sum[1] / n, sum[2] / n};
}

}  // namespace

void Tackpin::OnDraw(MQDocument doc, MQScene scene, int, int) {
    // While inactive the drawing objects of the last active pass stay as they are.
    if (IsActivated(doc) == 0) return;
    document = doc;

    SceneOptions options;
    // Without a scene there is nothing to ask the host about; the view's
    // options are then taken as all off.
    if (scene != nullptr) GetSceneOption(scene, options);
    const int visibility = DrawVisibility(options, drawAlways);

    if (showNormals && normalsDirty) UpdateNormalCaches();

    for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot) {
        if (!showMarkers) {
            ReleaseDrawObject(*slot);
            continue;
        }
        const ShownObject object = FindShownObject(document, slot->objectUniqueId);
        // The last pass's drawing object goes in every case, before a new one is made.
        ReleaseDrawObject(*slot);
        if (!object.view.IsValid() || slot->IsEmpty() || !slot->shown) continue;
        RebuildOverlay(*slot, object.view, object.index, visibility);
    }
}

void Tackpin::RebuildOverlay(MarkerSlot& slot, const cmq::CMQObject& object, int objectIndex,
                             int visibility) {
    // Made only where it can be deleted again: in a document, and in a slot
    // that names no other drawing object.
    if (document == nullptr || slot.drawObject != nullptr) return;
    MQObject drawObject = CreateDrawObject(document, visibility);
    // A host that made no drawing object is asked nothing about one; the
    // slot is drawn again at the next pass.
    if (drawObject == nullptr) return;
    slot.drawObject = drawObject;
    slot.drawDocument = document;
    host::ObjSetFloatArray(drawObject, host::kObjectColor, slot.color.data());
    host::ObjSetIntValue(drawObject, host::kObjectColor, 1);

    const cmq::CMQObject drawing(drawObject, document);
    VertexMap placed;
    placed.reserve(slot.edgeKeys.size() + slot.vertexUniqueIds.size());
    // Object vertex v in the drawing object, made on first use: its unique
    // id, its position (read straight into place) and its drawing vertex.
    const auto placeNew = [&](int v, int uniqueId, PlacedVertex& vertex) {
        vertex.uniqueId = uniqueId;
        object.ReadPosition(v, vertex.position);
        vertex.drawIndex = host::ObjAddVertex(drawObject, vertex.position.data());
    };
    const auto place = [&](int v, int uniqueId) {
        const auto [entry, added] = placed.try_emplace(v);
        if (added) placeNew(v, uniqueId, entry->second);
        return entry->second.drawIndex;
    };

    cmq::LineSearch search;
    for (EdgeKey key : slot.edgeKeys) {
        const int first = EdgeKeyHigh(key);
        const int second = EdgeKeyLow(key);
        const int a = host::ObjGetVertexIndexFromUniqueID(object.object, first);
        const int b = host::ObjGetVertexIndexFromUniqueID(object.object, second);
        if (a < 0 || b < 0) continue;
        const bool hidden = !overwriteMode && EdgeSelected(object, objectIndex, a, b, search);
        const int start = place(a, first);
        const int end = place(b, second);
        // The ends of a hidden edge stay without their line.
        if (!hidden) drawing.AddLine(start, end);
    }

    for (int uniqueId : slot.vertexUniqueIds) {
        const int v = host::ObjGetVertexIndexFromUniqueID(object.object, uniqueId);
        if (v < 0) continue;
        // One look-up both tests and claims the entry: a vertex already
        // placed (as an edge end) is skipped.
        const auto [entry, added] = placed.try_emplace(v);
        if (!added) continue;
        const bool hidden =
            !overwriteMode && host::DocIsSelectVertex(document, objectIndex, v) != 0;
        PlacedVertex& point = entry->second;
        placeNew(v, uniqueId, point);
        // A line of zero length makes the point show. A hidden vertex keeps
        // only its drawing vertex, which its normal line starts from, as the
        // ends of a hidden edge do.
        if (!hidden)
            drawing.AddLine(point.drawIndex, host::ObjAddVertex(drawObject, point.position.data()));
    }

    if (!showNormals) return;
    for (const auto& entry : placed) {
        const PlacedVertex& vertex = entry.second;
        const auto normal = slot.normalCache.find(vertex.uniqueId);
        if (normal == slot.normalCache.end()) continue;
        const cmq::Vec3& p = vertex.position;
        const cmq::Vec3& n = normal->second;
        const cmq::Vec3 tip{p[0] + normalLength * n[0], p[1] + normalLength * n[1],
                            p[2] + normalLength * n[2]};
        drawing.AddLine(vertex.drawIndex, host::ObjAddVertex(drawObject, tip.data()));
    }
}

void Tackpin::UpdateNormalCaches() {
    for (MarkerSlot& slot : slots) {
        const ShownObject object = FindShownObject(document, slot.objectUniqueId);
        // A missing or hidden object keeps the normals it had.
        if (!object.view.IsValid()) continue;
        slot.normalCache.clear();
        const DenseHashSet<int> marked = MarkedVertexIds(slot);
        if (marked.empty()) continue;
        slot.normalCache.reserve(marked.size());
        const cmq::CMQObject& view = object.view;
        NormalScratch scratch;
        // The walk uses the indices alone: a vertex record would also read a
        // position that only the marked vertices need.
        for (auto vertex = view.Vertices().begin(); vertex != cmq::ElementRangeEnd{}; ++vertex) {
            const int v = vertex.Index();
            const int uniqueId = host::ObjGetVertexUniqueID(view.object, v);
            if (!marked.contains(uniqueId)) continue;
            if (const auto mean = MeanCornerNormal(view, v, scratch))
                slot.normalCache[uniqueId] = *mean;
        }
    }
    normalsDirty = false;
}
