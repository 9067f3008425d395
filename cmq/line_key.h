// Keys that name one line of one face (`LineKey`) and an unordered pair of
// 32-bit values (`VertexPairKey`: two vertex indices here, two vertex unique
// ids in the markers' EdgeKey), both packed into 64 bits.
#pragma once

#include <cstdint>

namespace cmq {

// Line k of a face runs from point k to point (k + 1) mod n; the key holds the
// face index in the high 32 bits and k in the low 32 bits.
using LineKey = std::uint64_t;

constexpr LineKey MakeLineKey(int face, int line) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(face)) << 32) |
           static_cast<std::uint32_t>(line);
}
constexpr int LineKeyFace(LineKey key) {
    return static_cast<int>(static_cast<std::uint32_t>(key >> 32));
}
constexpr int LineKeyLine(LineKey key) { return static_cast<int>(static_cast<std::uint32_t>(key)); }

// Two vertex indices, the smaller (as signed values) in the high 32 bits and
// the larger in the low 32 bits. The markers' EdgeKey packs two vertex
// unique ids with it. (-1, v) packs to 0xFFFFFFFF'v, which names no real
// neighbour.
constexpr std::uint64_t VertexPairKey(int a, int b) {
    const auto high = static_cast<std::uint32_t>(a < b ? a : b);
    const auto low = static_cast<std::uint32_t>(a < b ? b : a);
    return (static_cast<std::uint64_t>(high) << 32) | low;
}
constexpr int PairKeyHigh(std::uint64_t key) {
    return static_cast<int>(static_cast<std::uint32_t>(key >> 32));
}
constexpr int PairKeyLow(std::uint64_t key) {
    return static_cast<int>(static_cast<std::uint32_t>(key));
}

}  // namespace cmq
