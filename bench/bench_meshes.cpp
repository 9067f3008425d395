// Building the benchmark grids through the simulated host's own API.
#include "bench/bench_meshes.h"

#include <cmath>

#include "simhost/document_model.h"
#include "simhost/host_state.h"

namespace bench {

BenchMesh BuildGrid(int faces) {
    sim::ResetHost();
    sim::DocumentModel& model = sim::Documents();
    BenchMesh mesh;
    mesh.doc = model.NewDocument();
    mesh.object = model.AddObject(mesh.doc, "grid");

    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(faces))));
    for (int j = 0; j <= side; ++j) {
        for (int i = 0; i <= side; ++i) {
            model.AddVertex(mesh.object, {static_cast<float>(i), static_cast<float>(j), 0.0f});
        }
    }
    const int stride = side + 1;
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            const int corner = j * stride + i;
            model.AddFace(mesh.object, {corner, corner + 1, corner + 1 + stride, corner + stride});
        }
    }
    mesh.faces = side * side;
    SelectATenth(mesh);
    return mesh;
}

void SelectATenth(const BenchMesh& mesh) {
    sim::DocumentModel& model = sim::Documents();
    model.ClearSelection(mesh.doc);
    for (int f = 0; f < mesh.faces; ++f) {
        if (f % 10 == 0) model.SelectFace(mesh.doc, mesh.object, f);
        if (f % 10 == 5) model.SelectLine(mesh.doc, mesh.object, f, 1);
    }
    const int vertices = model.VertexCount(mesh.object);
    for (int v = 3; v < vertices; v += 10) model.SelectVertex(mesh.doc, mesh.object, v);
}

}  // namespace bench
