// Building the benchmark grids through the simulated host's own API.
#include "bench/bench_meshes.h"

#include <cmath>

#include "simhost/document_model.h"
#include "simhost/host_state.h"
#include "simhost/mesh_builders.h"

namespace bench {

BenchMesh BuildGrid(int faces) {
    sim::ResetHost();
    sim::DocumentModel& model = sim::Documents();
    BenchMesh mesh;
    mesh.doc = model.NewDocument();
    mesh.object = model.AddObject(mesh.doc, "grid");

    // A closed grid: every line is shared by two faces, as on a real model.
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(faces))));
    sim::AddClosedGrid(mesh.object, side, side);
    mesh.faces = side * side;
    SelectATenth(mesh);
    return mesh;
}

void SelectATenth(const BenchMesh& mesh, int offset) {
    sim::DocumentModel& model = sim::Documents();
    model.ClearSelection(mesh.doc);
    for (int f = 0; f < mesh.faces; ++f) {
        if (f % 10 == offset) model.SelectFace(mesh.doc, mesh.object, f);
        if (f % 10 == (offset + 5) % 10) model.SelectLine(mesh.doc, mesh.object, f, 1);
    }
    const int vertices = model.VertexCount(mesh.object);
    for (int v = (offset + 3) % 10; v < vertices; v += 10) model.SelectVertex(mesh.doc, mesh.object, v);
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
