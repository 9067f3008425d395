// The parts of the marker overlay that stand apart from the plug-in object:
// the visibility a drawing object is made with, and the map that places each
// object vertex in a drawing object once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "cmq/cmq_object.h"
#include "host/station_services.h"
#include "marker/dense_hash.h"

// What a drawing object holds for one object vertex. The unique id and the
// position are those read when the vertex was placed, so that its normal line
// needs no second question to the host within the same pass.
struct PlacedVertex {
    int vertex = -1;  // index in the object
    int drawIndex = -1;
    int uniqueId = -1;
    cmq::Vec3 position{0.0f, 0.0f, 0.0f};
};

// Object vertex index -> its vertex in the drawing object, for one slot's
// rebuild at a time. The placed vertices lie in a list in placement order,
// and an array by object vertex index holds each one's place in the list.
// An array entry counts only when the list's entry at that place names the
// same vertex, so the array is never cleared: each rebuild starts a new list
// and finds in the array what that list holds and nothing else. The array is
// kept from one rebuild and one pass to the next, sized to the highest vertex
// index placed so far (4 bytes per vertex), until Release gives it back.
// Indices beyond what a marker's own size justifies (a few marked vertices
// on a large object) go to a hash map instead, so that such a marker does
// not pay for the whole object.
class VertexMap {
public:
    // Starts the rebuild of a slot that marks `elements` edges and vertices:
    // nothing is placed. [draw pass]
    void Start(std::size_t elements);
    // The entry of object vertex `vertex` (not negative), and whether it is
    // new; a new entry has only `vertex` set. The reference holds until the
    // next Place. [draw pass]
    std::pair<PlacedVertex&, bool> Place(int vertex);
    bool Contains(int vertex) const;
    // Every placed vertex, in placement order.
    const std::vector<PlacedVertex>& Placed() const { return placed_; }
    // Gives back all memory; the next Start begins afresh. [any time]
    void Release();
    // Bytes held between passes (the list's and the array's room). [any time]
    std::size_t HeldBytes() const;

private:
    // The array's place for `vertex`, when the array reaches that far.
    std::uint32_t* SlotOf(int vertex);

    std::vector<PlacedVertex> placed_;
    std::vector<std::uint32_t> at_;         // vertex index -> place in placed_
    DenseHashMap<int, std::uint32_t> far_;  // the same, beyond the array's reach
    std::size_t reach_ = 0;                 // the array serves indices below this
};

// 1 when the view shows vertices, plus 2 when it shows lines or the overlay's
// lines are drawn always: 0 to 3. [any time]
int DrawVisibility(const SceneOptions& options, bool drawAlways);
