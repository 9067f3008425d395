// Building the benchmark grids in the lean host's model.
#include "bench/bench_meshes.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

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

    // Quads joined across both edges of the sheet, as on a torus: every line
    // is shared by two faces and every vertex has four, as on a closed model.
    // The positions only feed the normals' arithmetic: a gently waved sheet,
    // whose corners never give a zero normal.
    const int columns = kGridColumns;
    const int rows = faces / columns;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const double height = 0.25 * std::sin(0.1 * c) * std::cos(0.1 * r);
            lean::AddVertex(mesh.object, {static_cast<float>(c), static_cast<float>(r),
                                          static_cast<float>(height)});
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
    // The faces around each vertex are worked out now, as a host has them
    // ready, not inside the first timed (or weighed) operation.
    lean::ObjectOf(mesh.object).RefreshTopology();
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

std::vector<int> GridSizes() {
    std::vector<int> sizes{10000, 100000, 1000000};
    if (std::getenv("TACKPIN_BENCH_TEN_MILLION") != nullptr) sizes.push_back(10000000);
    const char* only = std::getenv("TACKPIN_BENCH_SIZES");
    if (only == nullptr) return sizes;
    std::vector<int> chosen;
    std::istringstream list(only);
    for (std::string size; std::getline(list, size, ',');) {
        const int faces = std::atoi(size.c_str());
        if (std::find(sizes.begin(), sizes.end(), faces) != sizes.end()) chosen.push_back(faces);
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

double PeakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace bench
