// The topology and geometry of one polygon mesh as the simulated host keeps it:
// vertex slots with unique ids, face slots with their point lists, and the
// reference counts and related faces derived from the faces.
#pragma once

#include <unordered_map>
#include <vector>

namespace sim {

struct Vec3 {
    float x, y, z;
};

// Old index -> new index of every vertex and face slot after compaction;
// -1 for a slot that compaction dropped.
struct Renumbering {
    std::vector<int> vertex;
    std::vector<int> face;
};

// Vertex and face slots stay in place when they are deleted (a deleted vertex
// has no faces and no unique id, a deleted face has no points) until Compact
// renumbers them. Deleting a vertex deletes every face that uses it, the way a
// modeler does: a face never names a deleted vertex.
// Indices given to the member functions must be in range; the callers check.
class Mesh {
public:
    int VertexCount() const { return static_cast<int>(vertices_.size()); }
    int FaceCount() const { return static_cast<int>(faces_.size()); }
    bool HasVertexSlot(int index) const { return index >= 0 && index < VertexCount(); }
    bool HasFaceSlot(int index) const { return index >= 0 && index < FaceCount(); }
    // Room for this many vertex and face slots in all, ahead of a large build.
    void Reserve(int vertices, int faces);

    // New vertex at the end, with a unique id never used before in this mesh.
    int AddVertex(Vec3 position);
    bool VertexAlive(int index) const { return vertices_[index].alive; }
    Vec3 Position(int index) const { return vertices_[index].position; }
    void SetPosition(int index, Vec3 position) {
        vertices_[index].position = position;
        ++version_;
    }
    // -1 for a deleted vertex.
    int VertexUniqueId(int index) const;
    // -1 when no live vertex has that unique id. O(1).
    int VertexIndex(int uniqueId) const;
    // Number of faces that use the vertex (a face naming it twice counts once).
    int RefCount(int index) const { return static_cast<int>(vertices_[index].faces.size()); }
    // Faces that use the vertex, in the order they came to use it.
    const std::vector<int>& RelatedFaces(int index) const { return vertices_[index].faces; }
    // Returns the faces deleted with the vertex, in ascending order.
    std::vector<int> DeleteVertex(int index);
    // The next vertex gets this unique id (never lower than ids already given).
    void SetNextVertexUniqueId(int uniqueId);

    // New face at the end; every point must name a live vertex.
    int AddFace(std::vector<int> points);
    // Empty for a deleted face.
    const std::vector<int>& FacePoints(int index) const { return faces_[index]; }
    int FacePointCount(int index) const { return static_cast<int>(faces_[index].size()); }
    void DeleteFace(int index);

    // Drops deleted vertex and face slots and renumbers the rest in order,
    // keeping every unique id. Vertices that no face uses are kept.
    Renumbering Compact();

    // Counts every change of the mesh, so that whoever shows it fetches it
    // again only after an edit.
    int Version() const { return version_; }

private:
    struct Vertex {
        Vec3 position;
        int uniqueId;
        bool alive;
        std::vector<int> faces;
    };

    std::vector<Vertex> vertices_;
    std::vector<std::vector<int>> faces_;
    std::unordered_map<int, int> indexByUniqueId_;
    int nextUniqueId_ = 1;
    int version_ = 0;
};

}  // namespace sim
