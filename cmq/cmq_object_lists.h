// The mesh view's questions in the forms that return a new list each time,
// for the tests and the benchmarks' plans only: they read as the operations
// are defined, and ask the host the same questions as the forms the plug-in
// uses, which answer into lists the caller keeps. No source of the module
// includes this header, so none of it is compiled into the module.
#pragma once

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

#include "cmq/cmq_object.h"

namespace cmq {

// (start, end) vertex indices of one face line.
using Line = std::pair<int, int>;
// What GetLine answers for a face without points.
constexpr Line kNoLine{-1, -1};

// Faces that use vertex v, in the host's order.
inline std::vector<int> GetVertexRelatedFaces(const CMQObject& view, int v) {
    std::vector<int> faces;
    view.ReadVertexRelatedFaces(v, faces);
    return faces;
}

// Points p[0] .. p[n-1] of a face; empty for a face without points.
inline std::vector<int> GetFacePoints(const CMQObject& view, int face) {
    std::vector<int> points;
    view.ReadFacePoints(face, points);
    return points;
}

// Adds a face through the given points; the host's new face index.
inline int AddFace(const CMQObject& view, std::vector<int> points) {
    if (view.object == nullptr) return -1;
    return host::ObjAddFace(view.object, static_cast<int>(points.size()), points.data());
}

// Line k of the face, k wrapping in both directions (k = -1 is the last
// line, k = n the first). kNoLine for a face without points.
inline Line GetLine(const CMQObject& view, int face, int k) {
    const std::vector<int> points = GetFacePoints(view, face);
    if (points.empty()) return kNoLine;
    const auto n = static_cast<std::int64_t>(points.size());
    const auto at = [&](std::int64_t corner) {
        return points[static_cast<std::size_t>(((corner % n) + n) % n)];
    };
    return {at(k), at(std::int64_t{k} + 1)};
}

// The normal of a face at corner k for a face whose points the caller has
// read, as CMQObject::CornerNormal makes it; zero for a face without points.
inline Vec3 CornerNormalOf(const CMQObject& view, const std::vector<int>& points, int k) {
    if (points.empty()) return {0.0f, 0.0f, 0.0f};
    CornerPositions corner;
    view.ReadCornerPositions(points, k, corner);
    return CMQObject::CornerNormal(corner);
}

// The same, asking for the face's points first.
inline Vec3 GetCornerNormal(const CMQObject& view, int face, int k) {
    return CornerNormalOf(view, GetFacePoints(view, face), k);
}

// The lines at vertex v except those leading to the other vertex that
// `pairKey` (VertexPairKey of v and a neighbour) names; a neighbour of -1
// excludes nothing.
inline std::unordered_set<LineKey> GetLinesAtVertex(const CMQObject& view, int v,
                                                    std::uint64_t pairKey) {
    const int other = PairKeyHigh(pairKey) == v ? PairKeyLow(pairKey) : PairKeyHigh(pairKey);
    std::unordered_set<LineKey> lines;
    for (int face : GetVertexRelatedFaces(view, v)) {
        const std::vector<int> p = GetFacePoints(view, face);
        const std::size_t n = p.size();
        if (n == 2) {
            if (VertexPairKey(p[0], p[1]) != pairKey) lines.insert(MakeLineKey(face, 0));
            continue;
        }
        const auto at = std::find(p.begin(), p.end(), v);
        if (at == p.end()) continue;
        const auto i = static_cast<std::size_t>(at - p.begin());
        const std::size_t previous = i == 0 ? n - 1 : i - 1;
        if (p[(i + 1) % n] != other) lines.insert(MakeLineKey(face, static_cast<int>(i)));
        if (p[previous] != other) lines.insert(MakeLineKey(face, static_cast<int>(previous)));
    }
    return lines;
}

// Every face line whose end points are a and b, as a set.
inline std::unordered_set<LineKey> FindLinesBetween(const CMQObject& view, int a, int b) {
    LineSearch search;
    view.FindLinesBetween(a, b, search);
    return std::unordered_set<LineKey>(search.lines.begin(), search.lines.end());
}

}  // namespace cmq
