// A mesh as the page draws it, in one binary block (little-endian): five
// uint32 counts (vertex slots, triangles, edges, faces, 0), the positions
// (float32 x y z per vertex slot), the triangles (uint32 three vertex
// indices each, each face fanned from its first point), the face of each
// triangle, the edges (uint32 two vertex indices each: each line of each
// face once), and the face and line of each edge (uint32 two each).
#pragma once

#include <string>

#include "simhost/documents/mesh.h"

namespace serve {

std::string MeshBinary(const sim::Mesh& mesh);

}  // namespace serve
