// A live view of one host mesh object: every question goes to the host when
// it is asked, and each answer is a fresh list owned by the caller. Views are
// made as locals for one operation and dropped afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

#include "cmq/cmq_elements.h"
#include "cmq/line_key.h"
#include "host/host_abi.h"

namespace cmq {

// (start, end) vertex indices of one face line.
using Line = std::pair<int, int>;
// What GetLine answers for a face without points.
constexpr Line kNoLine{-1, -1};

using Vec3 = std::array<float, 3>;

class CMQObject {
public:
    CMQObject() = default;
    CMQObject(MQObject objectHandle, MQDocument documentHandle)
        : object(objectHandle), document(documentHandle) {}
    CMQObject(const CMQObject&) = default;
    CMQObject& operator=(const CMQObject&) = default;
    // Forgets both handles; the host side is not touched.
    virtual ~CMQObject();

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

    // Faces that use vertex v, in the host's order.
    std::vector<int> GetVertexRelatedFaces(int v) const;
    // Points p[0] .. p[n-1] of a face; empty for a face without points.
    std::vector<int> GetFacePoints(int face) const;
    // Position of vertex v.
    Vec3 GetPosition(int v) const;

    // Adds a face through the given points; the host's new face index.
    int AddFace(std::vector<int> points) const;
    // Adds the 2-point face (a, b), which shows as a line.
    int AddLine(int a, int b) const;

    // Line k of the face, k wrapping in both directions (k = -1 is the last
    // line, k = n the first). kNoLine for a face without points.
    Line GetLine(int face, int k) const;
    // Normal of the face at corner k, not normalised: E1 x T with E1 the line
    // leaving the corner and T the line arriving (triangles) or the mean of
    // the arriving and the reversed far line (larger faces). Zero for a face
    // without points.
    Vec3 GetCornerNormal(int face, int k) const;
    // The same for a face whose points p[0] .. p[n-1] the caller has already
    // read, without asking for them again.
    Vec3 CornerNormalOf(const std::vector<int>& points, int k) const;

    // The lines at vertex v except those leading to the other vertex that
    // `pairKey` (VertexPairKey of v and a neighbour) names; a neighbour of -1
    // excludes nothing.
    std::unordered_set<LineKey> GetLinesAtVertex(int v, std::uint64_t pairKey) const;
    // Every face line whose end points are a and b, in either direction; one
    // key per face that holds such a line.
    std::unordered_set<LineKey> FindLinesBetween(int a, int b) const;

    MQObject object = nullptr;
    MQDocument document = nullptr;
};

}  // namespace cmq
