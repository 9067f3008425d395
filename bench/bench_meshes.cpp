// Building the benchmark grids in the lean host's model.
#include "bench/bench_meshes.h"

#include <cmath>

#include "bench/lean_host/lean_model.h"

namespace bench {

namespace {
int g_generation = 0;
}  // namespace

int LatestGeneration() { return g_generation; }

BenchMesh BuildGrid(int faces) {
    lean::Reset();
    BenchMesh mesh;
    mesh.generation = ++g_generation;
    mesh.doc = lean::NewDocument();
    mesh.object = lean::AddObject(mesh.doc);

    // A torus of quads: every line is shared by two faces and every vertex
    // has four, as on a closed model.
    const int columns = kGridColumns;
    const int rows = faces / columns;
    const double pi = std::acos(-1.0);
    const double ring = 3.0, tube = 1.0;
    for (int r = 0; r < rows; ++r) {
        const double v = 2.0 * pi * r / rows;
        for (int c = 0; c < columns; ++c) {
            const double u = 2.0 * pi * c / columns;
            const double radius = ring + tube * std::cos(v);
            lean::AddVertex(mesh.object, {static_cast<float>(radius * std::cos(u)),
                                          static_cast<float>(radius * std::sin(u)),
                                          static_cast<float>(tube * std::sin(v))});
        }
    }
    const auto at = [&](int c, int r) { return (r % rows) * columns + c % columns; };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int points[4] = {at(c, r), at(c + 1, r), at(c + 1, r + 1), at(c, r + 1)};
            lean::AddFace(mesh.object, 4, points);
        }
    }
    mesh.faces = columns * rows;
    SelectATenth(mesh);
    return mesh;
}

void SelectATenth(const BenchMesh& mesh, int offset) {
    lean::ClearSelection(mesh.doc);
    for (int f = 0; f < mesh.faces; ++f) {
        if (f % 10 == offset) lean::SelectFace(mesh.object, f);
        if (f % 10 == (offset + 5) % 10) lean::SelectLine(mesh.object, f, 1);
    }
    const int vertices = lean::ObjectOf(mesh.object).VertexCount();
    for (int v = (offset + 3) % 10; v < vertices; v += 10) lean::SelectVertex(mesh.object, v);
}

const BenchMesh& MeshOf(int faces) {
    static BenchMesh mesh;
    static int builtFor = -1;
    if (builtFor != faces) {
        mesh = BuildGrid(faces);
        builtFor = faces;
    }
    SelectATenth(mesh);
    return mesh;
}

}  // namespace bench
