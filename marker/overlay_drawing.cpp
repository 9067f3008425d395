// The marker overlay: at every draw event each slot's drawing object is
// deleted and, when the slot qualifies, made afresh from the current
// geometry, selection and view options.
#include "marker/overlay_drawing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
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

// Unique ids of every marked vertex of a slot: the listed ones and both ends
// of every marked line. The refresh tests every used vertex of the object
// against them. Ids that lie within a range of a few times their number (as
// the ids of one mesh do) are kept as one bit per id of the range, so that
// the test is one load from an array of an eighth of a byte per id; ids too
// scattered for that go to a hash set.
class MarkedIds {
public:
    explicit MarkedIds(const MarkerSlot& slot) {
        const std::size_t listed = slot.vertexUniqueIds.size() + 2 * slot.edgeKeys.size();
        if (listed == 0) return;
        std::int64_t low = INT_MAX;
        std::int64_t high = INT_MIN;
        const auto widen = [&](int id) {
            low = std::min<std::int64_t>(low, id);
            high = std::max<std::int64_t>(high, id);
        };
        ForEachId(slot, widen);
        const auto range = static_cast<std::uint64_t>(high - low + 1);
        if (range <= kBitsPerId * listed) {
            first_ = low;
            range_ = range;
            bits_.assign((range + 63) / 64, 0);
            ForEachId(slot, [&](int id) {
                const auto bit = static_cast<std::uint64_t>(id - first_);
                bits_[bit / 64] |= std::uint64_t{1} << (bit % 64);
            });
            for (std::uint64_t word : bits_)
                count_ += static_cast<std::size_t>(std::popcount(word));
        } else {
            scattered_.reserve(listed);
            ForEachId(slot, [&](int id) { scattered_.insert(id); });
            count_ = scattered_.size();
        }
    }

    // Number of distinct ids.
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool contains(int id) const {
        if (bits_.empty()) return scattered_.contains(id);
        const auto bit = static_cast<std::uint64_t>(std::int64_t{id} - first_);
        return bit < range_ && (bits_[bit / 64] >> (bit % 64) & 1u) != 0;
    }

private:
    // Bits of range allowed per listed id: at most 8 bytes per id.
    static constexpr std::uint64_t kBitsPerId = 64;

    template <typename Visit>
    static void ForEachId(const MarkerSlot& slot, Visit visit) {
        for (int id : slot.vertexUniqueIds) visit(id);
        for (EdgeKey key : slot.edgeKeys) {
            visit(EdgeKeyHigh(key));
            visit(EdgeKeyLow(key));
        }
    }

    std::int64_t first_ = 0;
    std::uint64_t range_ = 0;
    std::vector<std::uint64_t> bits_;  // bit i: id first_ + i is marked
    DenseHashSet<int> scattered_;
    std::size_t count_ = 0;
};

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
        // The first corner that holds v. A plain loop: a face has a handful
        // of points, too few for std::find's unrolled search to pay off.
        const std::size_t n = scratch.points.size();
        std::size_t corner = 0;
        while (corner < n && scratch.points[corner] != v) ++corner;
        if (corner == n) continue;
        // Read straight into the list: the host's answers are not copied again.
        object.ReadCornerPositions(scratch.points, static_cast<int>(corner),
                                   scratch.corners.emplace_back());
    }
    if (scratch.corners.empty()) return std::nullopt;

    // Four lanes, the last one idle: each corner's three divisions (and the
    // mean's) are one instruction, and each lane still adds the corners in
    // their order, to the same sums.
    using Lanes = float __attribute__((vector_size(16)));
    Lanes sum{0.0f, 0.0f, 0.0f, 0.0f};
    for (const cmq::CornerPositions& corner : scratch.corners) {
        const cmq::Vec3 normal = cmq::CMQObject::CornerNormal(corner);
        const float length =
            std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
        if (length > 0.0f) sum += Lanes{normal[0], normal[1], normal[2], 0.0f} / length;
    }
    const Lanes mean = sum / static_cast<float>(scratch.corners.size());
    return cmq::Vec3{mean[0], mean[1], mean[2]};
}

}  // namespace

void Tackpin::OnDraw(MQDocument doc, MQScene scene, int, int) {
    // While inactive the drawing objects of the last active pass stay as they are.
    if (IsActivated(doc) == 0) return;

    SceneOptions options;
    // Without a scene there is nothing to ask the host about; the view's
    // options are then taken as all off.
    if (scene != nullptr) GetSceneOption(scene, options);
    const int visibility = DrawVisibility(options, drawAlways);

    // A pass that fails (memory running out) leaves the plug-in as it found
    // it: the normals it replaced, whether they were stale and the document
    // of the last pass go back. Its drawing objects are the host's: those of
    // the slots it reached are new, the rest are the last pass's, and the
    // next pass makes them all afresh.
    const MQDocument lastDocument = document;
    const bool wereDirty = normalsDirty;
    std::vector<std::optional<NormalCache>> replaced;
    try {
        document = doc;
        if (showNormals && normalsDirty) replaced = UpdateNormalCaches();
        for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot) {
            if (!showMarkers) {
                ReleaseDrawObject(*slot);
                continue;
            }
            const ShownObject object = FindShownObject(document, slot->objectUniqueId);
            // The last pass's drawing object goes in every case, before a new one is made.
            ReleaseDrawObject(*slot);
            if (!object.view.IsValid() || slot->IsEmpty() || !slot->shown) continue;
            try {
                RebuildOverlay(*slot, object.view, object.index, visibility);
            } catch (...) {
                // Half a marker is not shown.
                ReleaseDrawObject(*slot);
                throw;
            }
        }
    } catch (...) {
        for (std::size_t i = 0; i < replaced.size() && i < slots.size(); ++i) {
            if (replaced[i]) std::swap(slots[i].normalCache, *replaced[i]);
        }
        normalsDirty = wereDirty;
        document = lastDocument;
        throw;
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
    VertexMap& placed = placedVertices;
    placed.Start(slot.edgeKeys.size() + slot.vertexUniqueIds.size());
    // Object vertex v in the drawing object, made on first use: its unique
    // id, its position (read straight into place) and its drawing vertex.
    const auto placeNew = [&](int v, int uniqueId, PlacedVertex& vertex) {
        vertex.uniqueId = uniqueId;
        object.ReadPosition(v, vertex.position);
        vertex.drawIndex = host::ObjAddVertex(drawObject, vertex.position.data());
    };
    // Most ends were placed by an earlier line: a look-up finds them, and
    // only a vertex met for the first time takes the longer way.
    const auto place = [&](int v, int uniqueId) {
        if (const PlacedVertex* found = placed.Find(v)) return found->drawIndex;
        PlacedVertex& vertex = placed.Place(v).first;
        placeNew(v, uniqueId, vertex);
        return vertex.drawIndex;
    };
    // Read once: nothing within the pass changes it.
    const bool hideSelected = !overwriteMode;

    // The edges' loop is made twice, with and without the selected-edge
    // test, so that the usual pass (Overwrite on) carries none of it.
    cmq::LineSearch search;
    const auto drawEdges = [&]<bool kHideSelected>() {
        for (EdgeKey key : slot.edgeKeys) {
            const int first = EdgeKeyHigh(key);
            const int second = EdgeKeyLow(key);
            const int a = host::ObjGetVertexIndexFromUniqueID(object.object, first);
            const int b = host::ObjGetVertexIndexFromUniqueID(object.object, second);
            if (a < 0 || b < 0) continue;
            const bool hidden = kHideSelected && EdgeSelected(object, objectIndex, a, b, search);
            const int start = place(a, first);
            const int end = place(b, second);
            // The ends of a hidden edge stay without their line.
            if (!hidden) drawing.AddLine(start, end);
        }
    };
    if (hideSelected)
        drawEdges.template operator()<true>();
    else
        drawEdges.template operator()<false>();

    for (int uniqueId : slot.vertexUniqueIds) {
        const int v = host::ObjGetVertexIndexFromUniqueID(object.object, uniqueId);
        if (v < 0) continue;
        // One look-up both tests and claims the entry: a vertex already
        // placed (as an edge end) is skipped.
        const auto [point, added] = placed.Place(v);
        if (!added) continue;
        const bool hidden = hideSelected && host::DocIsSelectVertex(document, objectIndex, v) != 0;
        placeNew(v, uniqueId, point);
        // A line of zero length makes the point show. A hidden vertex keeps
        // only its drawing vertex, which its normal line starts from, as the
        // ends of a hidden edge do.
        if (!hidden)
            drawing.AddLine(point.drawIndex, host::ObjAddVertex(drawObject, point.position.data()));
    }

    if (!showNormals) return;
    // A normal line from each placed vertex, in the order of the normal list:
    // the list keeps the vertex index the refresh met each vertex at, and a
    // look-up by that index finds the placed vertex, as long as it still has
    // the same unique id. List and placement both go through the object in
    // much the same order, where a look-up by unique id would go to a place
    // of its own for each vertex. The order of the lines is free.
    const auto drawNormal = [&](const PlacedVertex& vertex, const cmq::Vec3& n) {
        const cmq::Vec3& p = vertex.position;
        const cmq::Vec3 tip{p[0] + normalLength * n[0], p[1] + normalLength * n[1],
                            p[2] + normalLength * n[2]};
        drawing.AddLine(vertex.drawIndex, host::ObjAddVertex(drawObject, tip.data()));
    };
    const std::vector<NormalCache::Entry>& normals = slot.normalCache.Entries();
    const auto placedAt = [&](const NormalCache::Entry& normal) -> PlacedVertex* {
        PlacedVertex* vertex = placed.Find(normal.vertex);
        return vertex != nullptr && vertex->uniqueId == normal.uniqueId ? vertex : nullptr;
    };
    std::size_t drawn = 0;
    for (const NormalCache::Entry& normal : normals) {
        if (const PlacedVertex* vertex = placedAt(normal)) {
            drawNormal(*vertex, normal.normal);
            ++drawn;
        }
    }
    // Usually every placed vertex has had its line now. Otherwise the rest:
    // vertices the object has renumbered since the refresh, and vertices
    // without a normal, are looked up by unique id. (The placed vertices are
    // marked only then: a pass that finds them all writes nothing to them.)
    if (drawn == placed.Placed().size()) return;
    for (const NormalCache::Entry& normal : normals) {
        if (PlacedVertex* vertex = placedAt(normal)) vertex->normalDrawn = true;
    }
    for (const PlacedVertex& vertex : placed.Placed()) {
        if (vertex.normalDrawn) continue;
        if (const cmq::Vec3* normal = slot.normalCache.Find(vertex.uniqueId))
            drawNormal(vertex, *normal);
    }
}

std::vector<std::optional<NormalCache>> Tackpin::UpdateNormalCaches() {
    // Every new cache is made beside the old one and all are swapped in
    // together: a refresh that fails part way changes no slot.
    std::vector<std::optional<NormalCache>> fresh(slots.size());
    NormalScratch scratch;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const MarkerSlot& slot = slots[i];
        const ShownObject object = FindShownObject(document, slot.objectUniqueId);
        // A missing or hidden object keeps the normals it had.
        if (!object.view.IsValid()) continue;
        NormalCache& cache = fresh[i].emplace();
        const MarkedIds marked(slot);
        if (marked.empty()) continue;
        cache.reserve(marked.size());
        const cmq::CMQObject& view = object.view;
        // The walk uses the indices alone: a vertex record would also read a
        // position that only the marked vertices need.
        for (auto vertex = view.Vertices().begin(); vertex != cmq::ElementRangeEnd{}; ++vertex) {
            const int v = vertex.Index();
            const int uniqueId = host::ObjGetVertexUniqueID(view.object, v);
            if (!marked.contains(uniqueId)) continue;
            if (const auto mean = MeanCornerNormal(view, v, scratch)) cache.Add(uniqueId, v, *mean);
        }
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (fresh[i]) std::swap(slots[i].normalCache, *fresh[i]);
    }
    normalsDirty = false;
    return fresh;
}
