// The selection of one mesh object: vertices, face lines and faces, by index.
#pragma once

#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

#include "simhost/documents/mesh.h"

namespace sim {

// Bits of MQDoc_ClearSelect's flag.
namespace select_flag {
constexpr unsigned int kVertices = 1;
constexpr unsigned int kLines = 2;
constexpr unsigned int kFaces = 4;
}  // namespace select_flag

// Line k of face f runs from point k to point (k + 1) mod n of the face.
// Queries are O(1); the sorted listings are for tests and dumps.
class Selection {
public:
    void SelectVertex(int vertex) { vertices_.insert(vertex); }
    void SelectLine(int face, int line) { lines_.insert(Key(face, line)); }
    void SelectFace(int face) { faces_.insert(face); }
    void DeselectVertex(int vertex) { vertices_.erase(vertex); }
    void DeselectLine(int face, int line) { lines_.erase(Key(face, line)); }
    void DeselectFace(int face) { faces_.erase(face); }
    bool VertexSelected(int vertex) const { return vertices_.count(vertex) != 0; }
    bool LineSelected(int face, int line) const { return lines_.count(Key(face, line)) != 0; }
    bool FaceSelected(int face) const { return faces_.count(face) != 0; }
    bool Empty() const { return vertices_.empty() && lines_.empty() && faces_.empty(); }

    // Clears the kinds named by the select_flag bits.
    void Clear(unsigned int flags);
    // A deleted vertex or face leaves the selection with it.
    void ForgetVertex(int vertex) { vertices_.erase(vertex); }
    void ForgetFace(int face, int pointCount);
    // Follows compaction: indices move, dropped slots leave the selection.
    void Renumber(const Renumbering& map);

    std::vector<int> Vertices() const;               // ascending
    std::vector<std::pair<int, int>> Lines() const;  // (face, line), ascending
    std::vector<int> Faces() const;                  // ascending

private:
    static std::uint64_t Key(int face, int line) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(face)) << 32) |
               static_cast<std::uint32_t>(line);
    }

    std::unordered_set<int> vertices_;
    std::unordered_set<std::uint64_t> lines_;
    std::unordered_set<int> faces_;
};

}  // namespace sim
