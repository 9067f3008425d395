// A live view of one host mesh object: every question goes to the host when
// it is asked, and nothing is kept. Views are made as locals for one
// operation and dropped afterwards.
//
// The questions answer into lists the caller keeps (ReadFacePoints,
// ReadVertexRelatedFaces, ReadPosition, ReadCornerPositions with
// CornerNormal, and FindLinesBetween into a LineSearch): a store, a recall
// and a draw pass ask them once per element of large meshes, and a list kept
// from one question to the next allocates nothing once it has grown. The
// forms that return a new list each time, for the tests and the benchmarks,
// are in cmq_object_lists.h, which the module does not include.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "cmq/cmq_elements.h"
#include "cmq/line_key.h"
#include "host/host_abi.h"
#include "host/host_api.h"

namespace cmq {

using Vec3 = std::array<float, 3>;

// The positions a corner normal is made from: the corner, the points after
// and before it, and, for a face of more than three points, the one after
// the next.
struct CornerPositions {
    Vec3 here{}, next{}, previous{}, far{};
    bool beyondTriangle = false;
};

// Lists that a line search fills and that a caller keeps from one search to
// the next, so that a walk over many lines allocates nothing once they have
// grown.
struct LineSearch {
    // The host's answers; longer than the current answer when an earlier one
    // was longer.
    std::vector<int> facesOfA;
    std::vector<int> facesOfB;
    std::vector<int> points;
    // The answer: each line once, faces ascending, lines ascending within a face.
    std::vector<LineKey> lines;
};

class CMQObject {
public:
    CMQObject() = default;
    CMQObject(MQObject objectHandle, MQDocument documentHandle)
        : object(objectHandle), document(documentHandle) {}
    CMQObject(const CMQObject&) = default;
    CMQObject& operator=(const CMQObject&) = default;
    // Forgets both handles; the host side is not touched.
    // Inline: a view that is a local of a draw pass then never has its
    // address handed to another function, and its handles stay in registers
    // across the host calls of the pass's loops.
    virtual ~CMQObject() {
        object = nullptr;
        document = nullptr;
    }

    // The document's current object; none when the document has no current
    // object (or no document is given). [ui-thread]
    static CMQObject FromCurrentObject(MQDocument doc);
    // The object with that unique id; none when the document has none.
    static CMQObject FromUniqueId(MQDocument doc, int objectUniqueId);

    // The view names an object. Every other question needs one.
    bool IsValid() const { return object != nullptr; }
    // The object's unique id (host value 260).
    int UniqueId() const;

    // Used vertices (reference count at least 1), ascending.
    VertexRange Vertices() const { return VertexRange(*this, object); }
    // Faces with at least one point, ascending.
    FaceRange Faces() const { return FaceRange(*this, object); }

    // The faces that use vertex v, in the host's order, and the points p[0]
    // .. p[n-1] of a face (none for a face without points), each answered
    // into a list the caller keeps, which takes exactly the answer. The list
    // is sized to the count without being emptied first: a list already that
    // long is left as it is, and nothing is filled twice. Inline: searches
    // and refreshes ask them per element. [ui-thread]
    void ReadVertexRelatedFaces(int v, std::vector<int>& faces) const {
        const int count =
            object != nullptr && v >= 0 ? host::ObjGetVertexRelatedFaces(object, v, nullptr) : 0;
        faces.resize(static_cast<std::size_t>(count > 0 ? count : 0));
        if (count > 0) host::ObjGetVertexRelatedFaces(object, v, faces.data());
    }
    void ReadFacePoints(int face, std::vector<int>& points) const {
        const int count =
            object != nullptr && face >= 0 ? host::ObjGetFacePointCount(object, face) : 0;
        points.resize(static_cast<std::size_t>(count > 0 ? count : 0));
        if (count > 0) host::ObjGetFacePointArray(object, face, points.data());
    }
    // The points of a face whose number of points the caller was just told
    // (a face walk's Size()), without asking for it again. [ui-thread]
    void ReadFacePoints(int face, int count, std::vector<int>& points) const {
        points.resize(static_cast<std::size_t>(count > 0 ? count : 0));
        if (object != nullptr && face >= 0 && count > 0)
            host::ObjGetFacePointArray(object, face, points.data());
    }
    // The position of vertex v, written into `position`, which keeps its
    // contents when there is no answer. [ui-thread]
    void ReadPosition(int v, Vec3& position) const {
        if (object != nullptr && v >= 0) host::ObjGetVertex(object, v, position.data());
    }
    // The normal of a face at corner k, not normalised, in two halves: the
    // positions, asked of the host straight into `corner` for a face whose
    // points p[0] .. p[n-1] the caller has read (nothing for a face without
    // points), and the arithmetic on them. Callers that ask for several
    // corners before computing any let the arithmetic of one overlap the
    // questions of the next. The normal is E1 x T with E1 the line leaving
    // the corner and T the line arriving (triangles) or the mean of the
    // arriving and the reversed far line (larger faces). Inline: a refresh
    // computes one per corner around every marked vertex. [ui-thread;
    // CornerNormal: any time]
    void ReadCornerPositions(const std::vector<int>& points, int k, CornerPositions& corner) const {
        const std::size_t n = points.size();
        if (n == 0 || object == nullptr) return;
        // The point list is read once; the corners around k are taken from
        // it, each one step from the last, and each position goes straight
        // into its place.
        const int* const p = points.data();
        // A negative k is a large unsigned one: one test for both ends.
        const std::size_t here =
            static_cast<std::size_t>(k) < n ? static_cast<std::size_t>(k) : Wrap(k, n);
        const std::size_t next = here + 1 == n ? 0 : here + 1;
        const std::size_t previous = here == 0 ? n - 1 : here - 1;
        // ReadPosition, but for the object, which is tested once above.
        const auto read = [&](std::size_t at, Vec3& position) {
            if (p[at] >= 0) host::ObjGetVertex(object, p[at], position.data());
        };
        read(here, corner.here);
        read(next, corner.next);
        read(previous, corner.previous);
        corner.beyondTriangle = n > 3;
        if (corner.beyondTriangle) read(next + 1 == n ? 0 : next + 1, corner.far);
    }
    static Vec3 CornerNormal(const CornerPositions& corner) {
        const auto minus = [](const Vec3& a, const Vec3& b) {
            return Vec3{a[0] - b[0], a[1] - b[1], a[2] - b[2]};
        };
        const Vec3 leaving = minus(corner.next, corner.here);
        const Vec3 arriving = minus(corner.here, corner.previous);
        Vec3 across = arriving;
        if (corner.beyondTriangle) {
            const Vec3 beyond = minus(corner.far, corner.next);
            across = {(arriving[0] - beyond[0]) * 0.5f, (arriving[1] - beyond[1]) * 0.5f,
                      (arriving[2] - beyond[2]) * 0.5f};
        }
        return {leaving[1] * across[2] - leaving[2] * across[1],
                leaving[2] * across[0] - leaving[0] * across[2],
                leaving[0] * across[1] - leaving[1] * across[0]};
    }
    // Every face line whose end points are a and b, in either direction, one
    // key per face that holds such a line, answered into `search.lines`.
    // [ui-thread]
    void FindLinesBetween(int a, int b, LineSearch& search) const;
    // The same, added after what `search.lines` already holds: a walk over
    // many pairs gathers all their lines in one list. [ui-thread]
    void AppendLinesBetween(int a, int b, LineSearch& search) const;
    // Adds the 2-point face (a, b), which shows as a line. Inline: every draw
    // pass adds lines by the hundred thousand, and no list is made for two
    // points.
    int AddLine(int a, int b) const {
        if (object == nullptr) return -1;
        const int points[2] = {a, b};
        return host::ObjAddFace(object, 2, points);
    }

    // Position of vertex v; (0, 0, 0) when there is no answer. [ui-thread]
    Vec3 GetPosition(int v) const;

    MQObject object = nullptr;
    MQDocument document = nullptr;

private:
    // Corner k of an n-point face (n >= 1), wrapping in both directions.
    static std::size_t Wrap(std::int64_t k, std::size_t n);
};

}  // namespace cmq
