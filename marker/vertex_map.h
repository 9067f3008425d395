// The draw pass's map from object vertex index to the vertex placed for it
// in a drawing object: a container with a memory policy of its own, kept by
// the plug-in from one pass to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "cmq/cmq_object.h"
#include "containers/dense_hash.h"

// What a drawing object holds for one object vertex. The unique id and the
// position are those read when the vertex was placed, so that its normal line
// needs no second question to the host within the same pass.
struct PlacedVertex {
    int drawIndex = -1;
    int uniqueId = -1;
    // Its normal line is drawn: found through the vertex index.
    bool normalDrawn = false;
    cmq::Vec3 position{0.0f, 0.0f, 0.0f};
};

// Object vertex index -> its vertex in the drawing object, for one slot's
// rebuild at a time. The placed vertices lie in a list in placement order,
// and an array by object vertex index holds each one's place in the list
// with the number of the rebuild that placed it: an entry of an earlier
// rebuild counts as empty, so the array is never swept. It is kept from one
// rebuild and one pass to the next, sized to the highest vertex index placed
// so far (8 bytes per vertex), until Release gives it back. Indices beyond
// what a marker's own size justifies (a few marked vertices on a large
// object) go to a hash map instead, so that such a marker does not pay for
// the whole object.
class VertexMap {
public:
    // Starts the rebuild of a slot that marks `elements` edges and vertices:
    // nothing is placed. [draw pass]
    void Start(std::size_t elements);
    // The entry of object vertex `vertex` (not negative), and whether it is
    // new; a new entry has nothing set yet. The reference holds until the
    // next Place. Inline: a pass places every marked vertex. [draw pass]
    std::pair<PlacedVertex&, bool> Place(int vertex) {
        const auto index = static_cast<std::size_t>(vertex);
        if (index >= arraySize_) return PlaceBeyondArray(vertex);
        Entry& entry = at_[index];
        if (entry.rebuild == rebuild_) return {placed_[entry.place], false};
        entry = {rebuild_, static_cast<std::uint32_t>(placed_.size())};
        return {Append(), true};
    }
    bool Contains(int vertex) const { return Find(vertex) != nullptr; }
    // The vertex's entry, or null when it is not placed. [draw pass]
    const PlacedVertex* Find(int vertex) const {
        const auto index = static_cast<std::size_t>(vertex);
        if (index < arraySize_)
            return at_[index].rebuild == rebuild_ ? &placed_[at_[index].place] : nullptr;
        return FindBeyondArray(vertex);
    }
    PlacedVertex* Find(int vertex) {
        return const_cast<PlacedVertex*>(std::as_const(*this).Find(vertex));
    }
    // Every placed vertex, in placement order.
    const std::vector<PlacedVertex>& Placed() const { return placed_; }
    // Gives back all memory; the next Start begins afresh. [any time]
    void Release() noexcept;
    // Bytes held between passes in the list and the array (the hash map of
    // far vertices, as large as the marker at most, aside). [any time]
    std::size_t HeldBytes() const;
    // Counts `count` rebuilds as done without running them, so that a test
    // reaches the wrap of the numbers; not past it. [tests]
    void SkipRebuilds(std::uint32_t count) { rebuild_ += count; }

private:
    struct Entry {
        std::uint32_t rebuild = 0;  // the rebuild that placed the vertex; 0: none
        std::uint32_t place = 0;
    };

    PlacedVertex& Append() { return placed_.emplace_back(); }
    // Place for a vertex the array does not reach yet: the array grows when
    // the marker's size allows, otherwise the hash map takes it.
    std::pair<PlacedVertex&, bool> PlaceBeyondArray(int vertex);
    const PlacedVertex* FindBeyondArray(int vertex) const;

    std::vector<PlacedVertex> placed_;
    std::vector<Entry> at_;  // by vertex index
    // at_.size(), kept apart: every look-up tests it, and a vector's size is
    // two loads and a division.
    std::size_t arraySize_ = 0;
    DenseHashMap<int, std::uint32_t> far_;  // the same, beyond the array's reach
    std::size_t reach_ = 0;                 // the array may grow to this size
    std::uint32_t rebuild_ = 0;             // number of the current rebuild, from 1
};
