// One marker row: the remembered vertices and lines of one host object, by
// unique id, with its display state and colour.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "cmq/line_key.h"
#include "containers/sorted_key_set.h"
#include "host/host_abi.h"
#include "marker/normal_cache.h"

// Key of one marked line between two vertex unique ids: the smaller id in
// the high 32 bits, the larger in the low 32 bits, packed as the mesh view
// packs a pair of vertex indices.
using EdgeKey = std::uint64_t;

constexpr EdgeKey MakeEdgeKey(int a, int b) { return cmq::VertexPairKey(a, b); }
constexpr int EdgeKeyHigh(EdgeKey key) { return cmq::PairKeyHigh(key); }
constexpr int EdgeKeyLow(EdgeKey key) { return cmq::PairKeyLow(key); }

struct MarkerSlot {
    // The marker is displayed; mirrors the row's toggle button.
    bool shown = false;
    // Unique id of the marker's object; -1 until the first store.
    int objectUniqueId = -1;
    // Marked vertices in stored order, not de-duplicated.
    std::vector<int> vertexUniqueIds;
    // Marked lines, each once, ascending.
    SortedKeySet<EdgeKey> edgeKeys;
    // Vertex unique id -> mean normal, refilled by the drawing pass.
    NormalCache normalCache;
    // The drawing object that shows this slot; deleted explicitly, never by
    // the slot's own destruction.
    MQObject drawObject = nullptr;
    // The document `drawObject` was made in: it is deleted there and nowhere
    // else, also once the plug-in has forgotten the document of its last pass.
    MQDocument drawDocument = nullptr;
    // Colour r, g, b in 0..1 (magenta by default).
    std::array<float, 3> color{1.0f, 0.0f, 1.0f};

    // The slot holds no marker.
    bool IsEmpty() const {
        return objectUniqueId == -1 || (vertexUniqueIds.empty() && edgeKeys.empty());
    }
};

// An operation builds a slot's new content aside and swaps it in: the swap,
// and the growing of the slot list, must not be able to fail half way.
static_assert(std::is_nothrow_move_constructible_v<MarkerSlot> &&
              std::is_nothrow_move_assignable_v<MarkerSlot>);
