// Ready-made meshes for tests, benchmarks and the host tools: quad grids,
// open or closed, a cube, and single triangles and quadrilaterals, appended
// to an object of the model.
#pragma once

#include "host/host_abi.h"
#include "simhost/documents/mesh.h"

namespace sim {

// Where a grid landed in its object. Vertex (c, r) and face (c, r) count
// columns first; an open grid has (columns + 1) x (rows + 1) vertices, a closed
// one columns x rows (the last column and row join the first).
struct GridInfo {
    int firstVertex = -1;
    int firstFace = -1;
    int columns = 0;
    int rows = 0;
    bool closed = false;

    int VertexAt(int column, int row) const;  // wraps around on a closed grid
    int FaceAt(int column, int row) const;
    int VertexCount() const;
    int FaceCount() const { return columns * rows; }
};

// Columns x rows unit quads in the plane z = 0, vertex (c, r) at (c, r, 0); face
// (c, r) has the points (c, r), (c + 1, r), (c + 1, r + 1), (c, r + 1).
GridInfo AddQuadGrid(MQObject obj, int columns, int rows);
// The same quads on a torus: every line is shared by two faces and every
// vertex has four; each face's points run clockwise seen from outside (the
// host's front faces out). Needs at least 3 columns and 3 rows.
GridInfo AddClosedGrid(MQObject obj, int columns, int rows);
// A cube of edge `size` centred on the origin: 8 vertices, 6 quads, each
// face's points running clockwise seen from outside.
void AddCube(MQObject obj, float size);
// New vertices and one face through them; answers the face index.
int AddTriangle(MQObject obj, Vec3 a, Vec3 b, Vec3 c);
int AddQuad(MQObject obj, Vec3 a, Vec3 b, Vec3 c, Vec3 d);

}  // namespace sim
