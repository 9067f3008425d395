// Topology and geometry questions of the mesh view, each answered from the
// host at the moment it is asked.
#include "cmq/cmq_object.h"

#include <algorithm>

#include "host/host_api.h"

namespace cmq {

namespace {

// Ascending order of values[0] .. values[size-1]. The faces around a vertex
// are a handful, and hosts mostly list them ascending already: a list in
// order is only checked; otherwise insertion sort, and the general sort for
// the rare long list.
inline void SortSmall(int* values, std::size_t size) {
    constexpr std::size_t kShort = 16;
    std::size_t inOrder = 1;
    while (inOrder < size && values[inOrder - 1] <= values[inOrder]) ++inOrder;
    if (inOrder >= size) return;
    if (size > kShort) {
        std::sort(values, values + size);
        return;
    }
    for (std::size_t i = 1; i < size; ++i) {
        const int value = values[i];
        std::size_t j = i;
        for (; j > 0 && values[j - 1] > value; --j) values[j] = values[j - 1];
        values[j] = value;
    }
}

// Asks the host for a list of `count` values (count > 0) into `buffer`,
// which only ever grows: a search over many lines resizes nothing once the
// longest list has been met. Returns where the values are.
template <typename Ask>
int* ReadInto(std::vector<int>& buffer, int count, Ask ask) {
    if (buffer.size() < static_cast<std::size_t>(count))
        buffer.resize(static_cast<std::size_t>(count));
    ask(buffer.data());
    return buffer.data();
}

// The lines of the face with points p[0] .. p[n-1] that join a and b (a != b),
// appended ascending. Each corner holding a is looked at once: the line
// arriving there and the line leaving it are the only ones that can join a to
// b at that corner.
void AppendLinesOfFace(int face, const int* p, std::size_t n, int a, int b,
                       std::vector<LineKey>& lines) {
    // The line arriving at corner 0 is the face's last line: it comes last.
    const bool lastLine = p[0] == a && p[n - 1] == b;
    for (std::size_t k = 0; k < n; ++k) {
        if (p[k] != a) continue;
        if (k > 0 && p[k - 1] == b) lines.push_back(MakeLineKey(face, static_cast<int>(k - 1)));
        if (p[k + 1 < n ? k + 1 : 0] == b) lines.push_back(MakeLineKey(face, static_cast<int>(k)));
    }
    if (lastLine) lines.push_back(MakeLineKey(face, static_cast<int>(n - 1)));
}

// The same for a == b: lines that start and end at a.
void AppendLoopsOfFace(int face, const int* p, std::size_t n, int a, std::vector<LineKey>& lines) {
    for (std::size_t k = 0; k < n; ++k) {
        if (p[k] == a && p[k + 1 < n ? k + 1 : 0] == a)
            lines.push_back(MakeLineKey(face, static_cast<int>(k)));
    }
}

}  // namespace

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

std::size_t CMQObject::Wrap(std::int64_t k, std::size_t n) {
    const auto size = static_cast<std::int64_t>(n);
    // Corners next to a given one are within one turn: no division for them.
    if (k >= 0 && k < size) return static_cast<std::size_t>(k);
    if (k < 0 && k >= -size) return static_cast<std::size_t>(k + size);
    if (k >= size && k < 2 * size) return static_cast<std::size_t>(k - size);
    return static_cast<std::size_t>(((k % size) + size) % size);
}

void CMQObject::FindLinesBetween(int a, int b, LineSearch& search) const {
    search.lines.clear();
    AppendLinesBetween(a, b, search);
}

void CMQObject::AppendLinesBetween(int a, int b, LineSearch& search) const {
    if (object == nullptr || a < 0 || b < 0) return;
    // Both ends' faces, sorted. The lists only grow, and the counts say how
    // much of each is this search's.
    const int countA = host::ObjGetVertexRelatedFaces(object, a, nullptr);
    if (countA <= 0) return;
    int* const facesOfA = ReadInto(search.facesOfA, countA, [&](int* into) {
        host::ObjGetVertexRelatedFaces(object, a, into);
    });
    const int countB = host::ObjGetVertexRelatedFaces(object, b, nullptr);
    if (countB <= 0) return;
    int* const facesOfB = ReadInto(search.facesOfB, countB, [&](int* into) {
        host::ObjGetVertexRelatedFaces(object, b, into);
    });
    SortSmall(facesOfA, static_cast<std::size_t>(countA));
    SortSmall(facesOfB, static_cast<std::size_t>(countB));

    // Faces that use both ends, by a merge walk of the two sorted lists,
    // written over the front of A's list (never ahead of the walk). The walk
    // asks the host nothing, so that its pointers stay in registers; the
    // faces are read after it.
    const int* ia = facesOfA;
    const int* const endA = ia + countA;
    const int* ib = facesOfB;
    const int* const endB = ib + countB;
    int* shared = facesOfA;
    while (ia != endA && ib != endB) {
        const int fa = *ia;
        const int fb = *ib;
        ia += fa <= fb ? 1 : 0;
        ib += fb <= fa ? 1 : 0;
        // A face listed twice around both ends gives its lines once.
        if (fa == fb && (shared == facesOfA || shared[-1] != fa)) *shared++ = fa;
    }
    for (const int* face = facesOfA; face != shared; ++face) {
        const int fa = *face;
        const int n = host::ObjGetFacePointCount(object, fa);
        if (n <= 0) continue;
        const int* const p = ReadInto(
            search.points, n, [&](int* into) { host::ObjGetFacePointArray(object, fa, into); });
        if (a != b)
            AppendLinesOfFace(fa, p, static_cast<std::size_t>(n), a, b, search.lines);
        else
            AppendLoopsOfFace(fa, p, static_cast<std::size_t>(n), a, search.lines);
    }
}

}  // namespace cmq
