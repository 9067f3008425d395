// What a marker slot holds on the heap per marked vertex, per marked edge and
// per cached mean normal, stored from the million-face grid. Measured once
// (the loop does nothing); the reporter prints the bytes per element.
#include <benchmark/benchmark.h>

#include "bench/bench_meshes.h"
#include "bench/heap_counter.h"
#include "bench/lean_host/lean_model.h"
#include "marker/tackpin.h"

namespace {

constexpr int kFaces = 1000000;

enum class Marked { Vertices, Edges };

// Selects only the vertices, or only the faces and lines, of BuildGrid's tenth.
void SelectOnly(const bench::BenchMesh& mesh, Marked what) {
    bench::SelectATenth(mesh);
    lean::Object& object = lean::ObjectOf(mesh.object);
    if (what == Marked::Vertices) {
        object.faceSelected.assign(object.faceSelected.size(), 0);
        object.lineSelected.assign(object.lineSelected.size(), 0);
    } else {
        object.vertexSelected.assign(object.vertexSelected.size(), 0);
    }
}

void SlotMemory(benchmark::State& state, Marked what) {
    const bench::BenchMesh& mesh = bench::MeshOf(kFaces);
    SelectOnly(mesh, what);
    Tackpin plugin;
    plugin.slots.resize(3);
    const std::size_t before = bench::LiveHeapBytes();
    plugin.StoreMarker(mesh.doc, 0, false);
    const double held = static_cast<double>(bench::LiveHeapBytes() - before);
    const MarkerSlot& slot = plugin.slots[0];

    // The mean normals of what was stored, cached in the same slot.
    plugin.document = mesh.doc;
    const std::size_t beforeNormals = bench::LiveHeapBytes();
    plugin.UpdateNormalCaches();
    const double normals = static_cast<double>(bench::LiveHeapBytes() - beforeNormals);

    for (auto _ : state) benchmark::DoNotOptimize(slot.edgeKeys.size());
    if (what == Marked::Vertices) {
        state.counters["bytes_per_vertex"] =
            held / static_cast<double>(slot.vertexUniqueIds.size());
    } else {
        state.counters["bytes_per_edge"] = held / static_cast<double>(slot.edgeKeys.size());
    }
    state.counters["bytes_per_normal"] = normals / static_cast<double>(slot.normalCache.size());
    state.counters["elements"] =
        static_cast<double>(slot.vertexUniqueIds.size() + slot.edgeKeys.size());
}

// What an operation holds on the heap while it runs beyond what the plug-in
// held before it, in bytes per marked element: an operation that builds its
// new state beside the old one holds both for a while.
template <typename Operation>
double TransientBytes(Operation operation, double elements) {
    const std::size_t before = bench::LiveHeapBytes();
    bench::ResetPeakHeapBytes();
    operation();
    return static_cast<double>(bench::PeakHeapBytes() - before) / elements;
}

// An overwrite of a stored marker with the same selection, a recall of it
// and a refresh of its normals, on the million-face grid's tenth.
void TransientMemory(benchmark::State& state) {
    const bench::BenchMesh& mesh = bench::MeshOf(kFaces);
    bench::SelectATenth(mesh);
    Tackpin plugin;
    plugin.slots.resize(3);
    plugin.document = mesh.doc;
    plugin.StoreMarker(mesh.doc, 0, false);
    plugin.UpdateNormalCaches();
    const MarkerSlot& slot = plugin.slots[0];
    const auto elements = static_cast<double>(slot.vertexUniqueIds.size() + slot.edgeKeys.size());
    state.counters["store_bytes_per_element"] =
        TransientBytes([&] { plugin.StoreMarker(mesh.doc, 0, false); }, elements);
    state.counters["recall_bytes_per_element"] =
        TransientBytes([&] { plugin.SelectMarker(mesh.doc, 0, false); }, elements);
    plugin.UpdateNormalCaches();  // the store emptied the normals
    state.counters["refresh_bytes_per_normal"] = TransientBytes(
        [&] { plugin.UpdateNormalCaches(); }, static_cast<double>(slot.normalCache.size()));
    for (auto _ : state) benchmark::DoNotOptimize(slot.edgeKeys.size());
    state.counters["elements"] = elements;
}

void SlotMemoryVertices(benchmark::State& state) { SlotMemory(state, Marked::Vertices); }
void SlotMemoryEdges(benchmark::State& state) { SlotMemory(state, Marked::Edges); }

}  // namespace

void bench::RegisterMemoryBenchmarks() {
    benchmark::RegisterBenchmark("SlotMemoryVertices", &SlotMemoryVertices)
        ->Iterations(1)
        ->Repetitions(1);
    benchmark::RegisterBenchmark("SlotMemoryEdges", &SlotMemoryEdges)
        ->Iterations(1)
        ->Repetitions(1);
    benchmark::RegisterBenchmark("TransientMemory", &TransientMemory)
        ->Iterations(1)
        ->Repetitions(1);
}
