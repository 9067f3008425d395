// What one call of the lean host costs: each host question the operations
// ask most, made once per element of the million-face grid through the
// plug-in's table of host functions. The reporter prints nanoseconds per call.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "bench/bench_meshes.h"
#include "host/host_api.h"

namespace {

constexpr int kFaces = 1000000;

// Runs `ask(object, index)` for every index below `count`; counts the calls.
template <typename Ask>
void RunCalls(benchmark::State& state, bool perFace, Ask ask) {
    const bench::BenchMesh& mesh = bench::MeshOf(kFaces);
    const int count =
        perFace ? host::ObjGetFaceCount(mesh.object) : host::ObjGetVertexCount(mesh.object);
    long long sink = 0;
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) sink += ask(mesh, i);
    }
    benchmark::DoNotOptimize(sink);
    state.counters["calls"] = count;
}

void HostCallVertexRefCount(benchmark::State& state) {
    RunCalls(state, false, [](const bench::BenchMesh& m, int v) {
        return host::ObjGetVertexRefCount(m.object, v);
    });
}
void HostCallIsSelectVertex(benchmark::State& state) {
    RunCalls(state, false,
             [](const bench::BenchMesh& m, int v) { return host::DocIsSelectVertex(m.doc, 0, v); });
}
void HostCallVertexUniqueID(benchmark::State& state) {
    RunCalls(state, false, [](const bench::BenchMesh& m, int v) {
        return host::ObjGetVertexUniqueID(m.object, v);
    });
}
void HostCallVertexIndexFromUniqueID(benchmark::State& state) {
    RunCalls(state, false, [](const bench::BenchMesh& m, int v) {
        return host::ObjGetVertexIndexFromUniqueID(m.object, v + 1);
    });
}
void HostCallGetVertex(benchmark::State& state) {
    RunCalls(state, false, [](const bench::BenchMesh& m, int v) {
        float position[3] = {0.0f, 0.0f, 0.0f};
        host::ObjGetVertex(m.object, v, position);
        return static_cast<int>(position[0] + position[1] + position[2]);
    });
}
void HostCallVertexRelatedFaces(benchmark::State& state) {
    std::vector<int> faces(16);
    RunCalls(state, false, [&](const bench::BenchMesh& m, int v) {
        return host::ObjGetVertexRelatedFaces(m.object, v, faces.data()) + faces[0];
    });
}
void HostCallFacePointCount(benchmark::State& state) {
    RunCalls(state, true, [](const bench::BenchMesh& m, int f) {
        return host::ObjGetFacePointCount(m.object, f);
    });
}
void HostCallFacePointArray(benchmark::State& state) {
    int points[4];
    RunCalls(state, true, [&](const bench::BenchMesh& m, int f) {
        host::ObjGetFacePointArray(m.object, f, points);
        return points[0];
    });
}
void HostCallIsSelectLine(benchmark::State& state) {
    RunCalls(state, true, [](const bench::BenchMesh& m, int f) {
        return host::DocIsSelectLine(m.doc, 0, f, 1);
    });
}

}  // namespace

void bench::RegisterHostCallBenchmarks() {
    for (auto [name, run] : {std::pair{"HostCallVertexRefCount", &HostCallVertexRefCount},
                             {"HostCallIsSelectVertex", &HostCallIsSelectVertex},
                             {"HostCallVertexUniqueID", &HostCallVertexUniqueID},
                             {"HostCallVertexIndexFromUniqueID", &HostCallVertexIndexFromUniqueID},
                             {"HostCallGetVertex", &HostCallGetVertex},
                             {"HostCallVertexRelatedFaces", &HostCallVertexRelatedFaces},
                             {"HostCallFacePointCount", &HostCallFacePointCount},
                             {"HostCallFacePointArray", &HostCallFacePointArray},
                             {"HostCallIsSelectLine", &HostCallIsSelectLine}}) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond);
    }
}
