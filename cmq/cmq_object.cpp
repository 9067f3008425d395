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

// Ascending order. The faces around a vertex are a handful, and hosts mostly
// list them ascending already: a list in order is only checked; otherwise
// insertion sort, and the general sort for the rare long list.
inline void SortSmall(std::vector<int>& list) {
    constexpr std::size_t kShort = 16;
    const int* const values = list.data();
    const std::size_t size = list.size();
    bool ascending = true;
    for (std::size_t i = 1; i < size; ++i) ascending &= values[i - 1] <= values[i];
    if (ascending) return;
    if (list.size() > kShort) {
        std::sort(list.begin(), list.end());
        return;
    }
    for (std::size_t i = 1; i < list.size(); ++i) {
        const int value = list[i];
        std::size_t j = i;
        for (; j > 0 && list[j - 1] > value; --j) list[j] = list[j - 1];
        list[j] = value;
    }
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

Vec3 CMQObject::GetPosition(int v) const {
    Vec3 position{0.0f, 0.0f, 0.0f};
    ReadPosition(v, position);
    return position;
}

void CMQObject::ReadCornerPositions(const std::vector<int>& points, int k,
                                    CornerPositions& corner) const {
    const std::size_t n = points.size();
    if (n == 0) return;
    // The point list is read once; the corners around k are taken from it.
    // Each position goes straight into its place.
    const std::int64_t at = k;
    ReadPosition(points[Wrap(at, n)], corner.here);
    ReadPosition(points[Wrap(at + 1, n)], corner.next);
    ReadPosition(points[Wrap(at - 1, n)], corner.previous);
    corner.beyondTriangle = n > 3;
    if (corner.beyondTriangle) ReadPosition(points[Wrap(at + 2, n)], corner.far);
}

Vec3 CMQObject::CornerNormal(const CornerPositions& corner) {
    const Vec3 leaving = Minus(corner.next, corner.here);
    const Vec3 arriving = Minus(corner.here, corner.previous);
    Vec3 across = arriving;
    if (corner.beyondTriangle) {
        const Vec3 beyond = Minus(corner.far, corner.next);
        across = {(arriving[0] - beyond[0]) * 0.5f, (arriving[1] - beyond[1]) * 0.5f,
                  (arriving[2] - beyond[2]) * 0.5f};
    }
    return Cross(leaving, across);
}

void CMQObject::FindLinesBetween(int a, int b, LineSearch& search) const {
    search.lines.clear();
    std::vector<int>& facesOfA = search.facesOfA;
    std::vector<int>& facesOfB = search.facesOfB;
    ReadVertexRelatedFaces(a, facesOfA);
    ReadVertexRelatedFaces(b, facesOfB);
    SortSmall(facesOfA);
    SortSmall(facesOfB);

    // Faces that use both ends, by a merge walk of the two sorted lists; each
    // is read as it is found.
    const int* ia = facesOfA.data();
    const int* const endA = ia + facesOfA.size();
    const int* ib = facesOfB.data();
    const int* const endB = ib + facesOfB.size();
    int lastFace = -1;
    while (ia != endA && ib != endB) {
        const int fa = *ia;
        const int fb = *ib;
        ia += fa <= fb ? 1 : 0;
        ib += fb <= fa ? 1 : 0;
        if (fa != fb) continue;
        ReadFacePoints(fa, search.points);
        // A face listed twice around both ends gives its lines once.
        if (fa == lastFace) continue;
        lastFace = fa;
        const int* const p = search.points.data();
        const std::size_t n = search.points.size();
        for (std::size_t k = 0; k < n; ++k) {
            const int start = p[k];
            const int end = p[k + 1 < n ? k + 1 : 0];
            if ((start == a && end == b) || (start == b && end == a))
                search.lines.push_back(MakeLineKey(fa, static_cast<int>(k)));
        }
    }
}

}  // namespace cmq
