// The meshes the benchmarks run on: a closed quad grid in a fresh simulated
// host, with about a tenth of its faces, lines and vertices selected.
#pragma once

#include "host/host_abi.h"

namespace bench {

struct BenchMesh {
    MQDocument doc = nullptr;
    MQObject object = nullptr;
    int faces = 0;
};

// Resets the simulated host and builds a closed grid of about `faces` quads, made
// the current object. Whatever an earlier call built is gone.
BenchMesh BuildGrid(int faces);

// Puts back the selection BuildGrid made: every tenth face, line 1 of every
// tenth other face, and every tenth vertex. Another `offset` (0 to 9) selects
// another tenth of the same kind.
void SelectATenth(const BenchMesh& mesh, int offset = 0);

// The grid of about `faces` quads, with BuildGrid's selection put back. It is
// rebuilt only when the size changes, so that one large mesh lives at a time.
const BenchMesh& MeshOf(int faces);

}  // namespace bench
