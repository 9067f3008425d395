// The draw pass's vertex map: where its array ends and its hash map begins.
#include "marker/vertex_map.h"

#include <algorithm>

namespace {

// The array reaches at least this far (512 KiB), and further by this much per
// marked element: at most 128 bytes of array per element beyond the first
// stretch, however far apart the marked vertices lie in the object.
constexpr std::size_t kArrayReach = std::size_t{1} << 16;
constexpr std::size_t kArrayReachPerElement = 16;
// The array's first size, in vertices.
constexpr std::size_t kFirstArray = 4096;

}  // namespace

void VertexMap::Start(std::size_t elements) {
    placed_.clear();
    far_.clear();
    reach_ = std::max(at_.size(), kArrayReach + kArrayReachPerElement * elements);
    // After four thousand million rebuilds the numbers start again, from an
    // array that forgets them all.
    if (++rebuild_ == 0) {
        at_.assign(at_.size(), Entry{});
        rebuild_ = 1;
    }
}

std::pair<PlacedVertex&, bool> VertexMap::PlaceBeyondArray(int vertex) {
    const auto index = static_cast<std::size_t>(vertex);
    if (index < reach_) {
        // By a quarter at least: a walk that places ever higher indices grows
        // it some tens of times, to at most a quarter more than it needs.
        const std::size_t grown = std::max({index + 1, at_.size() + at_.size() / 4, kFirstArray});
        at_.resize(std::min(reach_, grown));
        arraySize_ = at_.size();
        return Place(vertex);
    }
    const auto [entry, added] =
        far_.try_emplace(vertex, static_cast<std::uint32_t>(placed_.size()));
    if (!added) return {placed_[entry->second], false};
    return {Append(), true};
}

const PlacedVertex* VertexMap::FindBeyondArray(int vertex) const {
    const auto found = far_.find(vertex);
    return found != far_.end() ? &placed_[found->second] : nullptr;
}

void VertexMap::Release() noexcept { *this = VertexMap(); }

std::size_t VertexMap::HeldBytes() const {
    return placed_.capacity() * sizeof(PlacedVertex) + at_.capacity() * sizeof(Entry);
}
