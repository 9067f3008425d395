// The meshes the benchmarks run on: a closed quad grid in a fresh lean host,
// with about a tenth of its faces, lines and vertices selected.
#pragma once

#include <vector>

#include "host/host_abi.h"

namespace bench {

// Every grid is this many faces wide, so that sizes differ only in the number
// of rows: ten times the faces is ten times the same rows.
constexpr int kGridColumns = 1000;

struct BenchMesh {
    MQDocument doc = nullptr;
    MQObject object = nullptr;
    int faces = 0;
    // Counts the grids built so far: a mesh whose generation is no longer
    // the latest is gone, document and drawing objects alike.
    int generation = 0;
};

// Resets the lean host and builds a closed grid of `faces` quads (a multiple
// of kGridColumns), made the current object. Whatever an earlier call built
// is gone.
BenchMesh BuildGrid(int faces);

// Puts back the selection BuildGrid made: every tenth face, line 1 of every
// tenth other face, and every tenth vertex. Another `offset` (0 to 9) selects
// another tenth of the same kind.
void SelectATenth(const BenchMesh& mesh, int offset = 0);

// The grid of `faces` quads, with BuildGrid's selection put back. It is
// rebuilt only when the size changes, so that one large mesh lives at a time.
const BenchMesh& MeshOf(int faces);

// The generation of the latest grid built.
int LatestGeneration();

// The grid sizes the benchmarks run at, ascending: 10 thousand, 100 thousand
// and a million faces, and ten million when the environment variable
// TACKPIN_BENCH_TEN_MILLION is set (tools/bench.sh --ten-million). When
// TACKPIN_BENCH_SIZES holds a comma-separated list, only those of them.
std::vector<int> GridSizes();

// The benchmarks of one grid size, each operation beside its floor, in the
// order they run: the store and the recall, then the draw passes and the
// normals refresh. Registered size by size, so that one grid lives at a time.
void RegisterMarkerBenchmarks(int faces);
void RegisterOverlayBenchmarks(int faces);
// What one lean host call costs, and what a slot holds per element; both on
// the million-face grid, after the sizes.
void RegisterHostCallBenchmarks();
void RegisterMemoryBenchmarks();

// The process's peak resident memory so far, in MiB.
double PeakMemoryMiB();

}  // namespace bench
