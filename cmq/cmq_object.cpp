// Topology and geometry questions of the mesh view, each answered from the
// host at the moment it is asked.
#include "cmq/cmq_object.h"

#include <algorithm>

#include "host/host_api.h"

namespace cmq {

namespace {

// Corner k of an n-point face (n >= 1), wrapping in both directions.
std::size_t Wrap(std::int64_t k, std::size_t n) {
    const auto size = static_cast<std::int64_t>(n);
    // Corners next to a given one are within one turn: no division for them.
    if (k >= 0 && k < size) return static_cast<std::size_t>(k);
    if (k < 0 && k >= -size) return static_cast<std::size_t>(k + size);
    if (k >= size && k < 2 * size) return static_cast<std::size_t>(k - size);
    return static_cast<std::size_t>(((k % size) + size) % size);
}

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

}  // namespace

CMQObject::~CMQObject() {
    object = nullptr;
    document = nullptr;
}

CMQObject CMQObject::FromCurrentObject(MQDocument doc) {
    if (doc == nullptr) return {};
    const int index = host::DocGetCurrentObjectIndex(doc);
    if (index < 0) return CMQObject(nullptr, doc);
    return CMQObject(host::DocGetObject(doc, index), doc);
}

CMQObject CMQObject::FromUniqueId(MQDocument doc, int objectUniqueId) {
    if (doc == nullptr) return {};
    return CMQObject(host::DocGetObjectFromUniqueID(doc, objectUniqueId), doc);
}

int CMQObject::UniqueId() const {
    return object != nullptr ? host::ObjGetIntValue(object, host::kObjectUniqueId) : -1;
}

std::vector<int> CMQObject::GetVertexRelatedFaces(int v) const {
    if (object == nullptr || v < 0) return {};
    const int count = host::ObjGetVertexRelatedFaces(object, v, nullptr);
    if (count <= 0) return {};
    std::vector<int> faces(static_cast<std::size_t>(count));
    host::ObjGetVertexRelatedFaces(object, v, faces.data());
    return faces;
}

std::vector<int> CMQObject::GetFacePoints(int face) const {
    if (object == nullptr || face < 0) return {};
    const int count = host::ObjGetFacePointCount(object, face);
    if (count <= 0) return {};
    std::vector<int> points(static_cast<std::size_t>(count));
    host::ObjGetFacePointArray(object, face, points.data());
    return points;
}

Vec3 CMQObject::GetPosition(int v) const {
    Vec3 position{0.0f, 0.0f, 0.0f};
    if (object != nullptr && v >= 0) host::ObjGetVertex(object, v, position.data());
    return position;
}

int CMQObject::AddFace(std::vector<int> points) const {
    if (object == nullptr) return -1;
    return host::ObjAddFace(object, static_cast<int>(points.size()), points.data());
}

int CMQObject::AddLine(int a, int b) const {
    // Every draw pass adds lines by the hundred thousand: no list is made for two points.
    if (object == nullptr) return -1;
    const int points[2] = {a, b};
    return host::ObjAddFace(object, 2, points);
}

Line CMQObject::GetLine(int face, int k) const {
    const std::vector<int> points = GetFacePoints(face);
    if (points.empty()) return kNoLine;
    return {points[Wrap(k, points.size())], points[Wrap(std::int64_t{k} + 1, points.size())]};
}

Vec3 CMQObject::GetCornerNormal(int face, int k) const { return CornerNormalOf(GetFacePoints(face), k); }

Vec3 CMQObject::CornerNormalOf(const std::vector<int>& points, int k) const {
    if (points.empty()) return {0.0f, 0.0f, 0.0f};
    // The point list is read once; the corners around k are taken from it.
    const auto position = [&](std::int64_t corner) { return GetPosition(points[Wrap(corner, points.size())]); };
    const std::int64_t corner = k;
    const Vec3 here = position(corner);
    const Vec3 next = position(corner + 1);
    const Vec3 leaving = Minus(next, here);
    const Vec3 arriving = Minus(here, position(corner - 1));
    Vec3 across = arriving;
    if (points.size() > 3) {
        const Vec3 far = Minus(position(corner + 2), next);
        across = {(arriving[0] - far[0]) * 0.5f, (arriving[1] - far[1]) * 0.5f, (arriving[2] - far[2]) * 0.5f};
    }
    return Cross(leaving, across);
}

std::unordered_set<LineKey> CMQObject::GetLinesAtVertex(int v, std::uint64_t pairKey) const {
    const int other = PairKeyHigh(pairKey) == v ? PairKeyLow(pairKey) : PairKeyHigh(pairKey);
    std::unordered_set<LineKey> lines;
    for (int face : GetVertexRelatedFaces(v)) {
        const std::vector<int> p = GetFacePoints(face);
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

std::unordered_set<LineKey> CMQObject::FindLinesBetween(int a, int b) const {
    std::vector<int> facesOfA = GetVertexRelatedFaces(a);
    std::vector<int> facesOfB = GetVertexRelatedFaces(b);
    std::sort(facesOfA.begin(), facesOfA.end());
    std::sort(facesOfB.begin(), facesOfB.end());

    // Faces that use both ends, by a merge walk of the two sorted lists.
    std::vector<int> shared;
    auto ia = facesOfA.begin();
    auto ib = facesOfB.begin();
    while (ia != facesOfA.end() && ib != facesOfB.end()) {
        if (*ib > *ia) {
            ++ia;
        } else if (*ib < *ia) {
            ++ib;
        } else {
            shared.push_back(*ia);
            ++ia;
            ++ib;
        }
    }

    std::unordered_set<LineKey> lines;
    for (int face : shared) {
        const std::vector<int> p = GetFacePoints(face);
        const std::size_t n = p.size();
        for (std::size_t k = 0; k < n; ++k) {
            const int start = p[k];
            const int end = p[(k + 1) % n];
            if ((start == a && end == b) || (start == b && end == a)) {
                lines.insert(MakeLineKey(face, static_cast<int>(k)));
            }
        }
    }
    return lines;
}

}  // namespace cmq
