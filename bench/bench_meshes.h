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
// tenth other face, and every tenth vertex.
void SelectATenth(const BenchMesh& mesh);

}  // namespace bench
