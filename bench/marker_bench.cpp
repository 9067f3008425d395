// Storing and recalling a marker on grids of 10 thousand to a million (or ten
// million) faces, each beside its floor: the host calls the operation cannot
// avoid, made in a plain loop without the plug-in's containers and look-ups.
#include <benchmark/benchmark.h>

#include <memory>
#include <utility>
#include <vector>

#include "bench/bench_cases.h"
#include "bench/bench_meshes.h"
#include "cmq/cmq_object.h"
#include "cmq/cmq_object_lists.h"
#include "host/host_api.h"
#include "marker/tackpin.h"

namespace {

using bench::MeshOf;

void Finish(benchmark::State& state, const bench::BenchMesh& mesh) {
    state.counters["faces"] = mesh.faces;
    state.counters["peak_mib"] = bench::PeakMemoryMiB();
}

// Slot 0 of `plugin` takes what the store takes from the grid.
void StoreOnce(Tackpin& plugin, const bench::BenchMesh& mesh) {
    plugin.slots.resize(3);
    plugin.StoreMarker(mesh.doc, 0, false);
}

// The timed stores overwrite, into the room the first one made, as a user's
// second "Set" does; at ten million faces a run has too few iterations to
// hide a first store's allocations.
bench::Body StoreMarkerBody(const std::shared_ptr<Tackpin>& plugin, const bench::BenchMesh& mesh) {
    StoreOnce(*plugin, mesh);
    return
        [plugin, doc = mesh.doc] { benchmark::DoNotOptimize(plugin->StoreMarker(doc, 0, false)); };
}

void StoreMarker(benchmark::State& state) {
    const bench::BenchMesh& mesh = MeshOf(static_cast<int>(state.range(0)));
    const auto plugin = std::make_shared<Tackpin>();
    const bench::Body store = StoreMarkerBody(plugin, mesh);
    for (auto _ : state) store();
    state.counters["vertices"] = static_cast<double>(plugin->slots[0].vertexUniqueIds.size());
    state.counters["lines"] = static_cast<double>(plugin->slots[0].edgeKeys.size());
    Finish(state, mesh);
}

// Every host question a store must ask: the current object and its place,
// each vertex's use and selection, each face's points and selection, the
// points of faces with marked lines and the unique ids of what is stored.
bench::Body StoreMarkerFloorBody(const bench::BenchMesh& mesh) {
    const auto points = std::make_shared<std::vector<int>>();
    // Not inlined, so that a profiler can count the floor's calls apart.
    return [ doc = mesh.doc, points ]() __attribute__((noinline)) {
        long long sink = 0;
        MQObject object = host::DocGetObject(doc, host::DocGetCurrentObjectIndex(doc));
        sink += host::ObjGetIntValue(object, host::kObjectUniqueId);
        const int objectIndex = host::DocGetObjectIndex(doc, object);
        // The walks ask for the count at every step.
        for (int v = 0; v < host::ObjGetVertexCount(object); ++v) {
            if (host::ObjGetVertexRefCount(object, v) < 1) continue;
            if (host::DocIsSelectVertex(doc, objectIndex, v) != 0)
                sink += host::ObjGetVertexUniqueID(object, v);
        }
        for (int f = 0; f < host::ObjGetFaceCount(object); ++f) {
            const int n = host::ObjGetFacePointCount(object, f);
            if (n < 1) continue;
            const bool whole = host::DocIsSelectFace(doc, objectIndex, f) != 0;
            bool read = false;
            for (int k = 0; k < n; ++k) {
                if (!whole && host::DocIsSelectLine(doc, objectIndex, f, k) == 0) continue;
                if (!read) {
                    points->resize(static_cast<std::size_t>(n));
                    host::ObjGetFacePointArray(object, f, points->data());
                    read = true;
                }
                sink += host::ObjGetVertexUniqueID(object, (*points)[static_cast<std::size_t>(k)]);
                sink += host::ObjGetVertexUniqueID(
                    object, (*points)[static_cast<std::size_t>((k + 1) % n)]);
            }
        }
        benchmark::DoNotOptimize(sink);
    };
}

void StoreMarkerFloor(benchmark::State& state) {
    const bench::BenchMesh& mesh = MeshOf(static_cast<int>(state.range(0)));
    const bench::Body store = StoreMarkerFloorBody(mesh);
    for (auto _ : state) store();
    Finish(state, mesh);
}

bench::Body SelectMarkerBody(const bench::BenchMesh& mesh) {
    const auto plugin = std::make_shared<Tackpin>();
    StoreOnce(*plugin, mesh);
    return [plugin, doc = mesh.doc] { plugin->SelectMarker(doc, 0, false); };
}

void SelectMarker(benchmark::State& state) {
    const bench::BenchMesh& mesh = MeshOf(static_cast<int>(state.range(0)));
    const bench::Body recall = SelectMarkerBody(mesh);
    for (auto _ : state) recall();
    Finish(state, mesh);
}

// The recall's host calls for a slot whose answers were worked out before
// the loop: per marked line, the end look-ups, both ends' related faces, the
// points of the faces they share and one selection per line found.
bench::Body SelectMarkerFloorBody(const bench::BenchMesh& mesh) {
    // The plan lies in three flat lists read front to back, as the
    // operation reads its slot: a list of its own per marked line would put
    // the floor's reading of its plan wherever the heap happened to place
    // each one, and the floor's time with it.
    struct Planned {
        int uidA, uidB;
        int sharedCount, lineCount;  // this many of sharedFaces and lines, in order
    };
    struct Recall {
        Tackpin plugin;
        std::vector<Planned> plan;
        std::vector<int> sharedFaces;
        std::vector<cmq::LineKey> lines;
        std::vector<int> buffer = std::vector<int>(64);
    };
    const auto state = std::make_shared<Recall>();
    StoreOnce(state->plugin, mesh);
    const MarkerSlot& slot = state->plugin.slots[0];
    const cmq::CMQObject view(mesh.object, mesh.doc);

    cmq::LineSearch search;
    for (EdgeKey key : slot.edgeKeys) {
        Planned item{EdgeKeyHigh(key), EdgeKeyLow(key), 0, 0};
        const int a = host::ObjGetVertexIndexFromUniqueID(mesh.object, item.uidA);
        const int b = host::ObjGetVertexIndexFromUniqueID(mesh.object, item.uidB);
        for (int fa : cmq::GetVertexRelatedFaces(view, a)) {
            for (int fb : cmq::GetVertexRelatedFaces(view, b)) {
                if (fa != fb) continue;
                state->sharedFaces.push_back(fa);
                ++item.sharedCount;
            }
        }
        // In the operation's order: faces ascending, lines ascending in a face.
        view.FindLinesBetween(a, b, search);
        for (cmq::LineKey line : search.lines) {
            state->lines.push_back(line);
            ++item.lineCount;
        }
        state->plan.push_back(item);
    }

    // Not inlined, so that a profiler can count the floor's calls apart.
    return [ doc = mesh.doc, state ]() __attribute__((noinline)) {
        const MarkerSlot& slot = state->plugin.slots[0];
        std::vector<int>& buffer = state->buffer;
        host::DocClearSelect(doc, 7);
        MQObject object = host::DocGetObjectFromUniqueID(doc, slot.objectUniqueId);
        const int objectIndex = host::DocGetObjectIndex(doc, object);
        for (int uid : slot.vertexUniqueIds) {
            host::DocAddSelectVertex(doc, objectIndex,
                                     host::ObjGetVertexIndexFromUniqueID(object, uid));
        }
        const int* sharedFace = state->sharedFaces.data();
        const cmq::LineKey* line = state->lines.data();
        for (const Planned& item : state->plan) {
            const int a = host::ObjGetVertexIndexFromUniqueID(object, item.uidA);
            const int b = host::ObjGetVertexIndexFromUniqueID(object, item.uidB);
            for (int v : {a, b}) {
                const int count = host::ObjGetVertexRelatedFaces(object, v, nullptr);
                if (count > static_cast<int>(buffer.size()))
                    buffer.resize(static_cast<std::size_t>(count));
                host::ObjGetVertexRelatedFaces(object, v, buffer.data());
            }
            for (int i = 0; i < item.sharedCount; ++i, ++sharedFace) {
                const int count = host::ObjGetFacePointCount(object, *sharedFace);
                if (count > static_cast<int>(buffer.size()))
                    buffer.resize(static_cast<std::size_t>(count));
                host::ObjGetFacePointArray(object, *sharedFace, buffer.data());
            }
            for (int i = 0; i < item.lineCount; ++i, ++line) {
                host::DocAddSelectLine(doc, objectIndex, cmq::LineKeyFace(*line),
                                       cmq::LineKeyLine(*line));
            }
        }
    };
}

void SelectMarkerFloor(benchmark::State& state) {
    const bench::BenchMesh& mesh = MeshOf(static_cast<int>(state.range(0)));
    const bench::Body recall = SelectMarkerFloorBody(mesh);
    for (auto _ : state) recall();
    Finish(state, mesh);
}

// Run length and repetitions come from the command line (bench_main.cpp).
void Settings(benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); }

}  // namespace

void bench::RegisterMarkerBenchmarks(int faces) {
    for (auto [name, run] : {std::pair{"StoreMarker", &StoreMarker},
                             {"StoreMarkerFloor", &StoreMarkerFloor},
                             {"SelectMarker", &SelectMarker},
                             {"SelectMarkerFloor", &SelectMarkerFloor}}) {
        benchmark::RegisterBenchmark(name, run)->Arg(faces)->Apply(Settings);
    }
}

std::vector<bench::BenchCase> bench::MarkerCases() {
    return {
        {"StoreMarker",
         [](int faces) { return StoreMarkerBody(std::make_shared<Tackpin>(), MeshOf(faces)); },
         [](int faces) { return StoreMarkerFloorBody(MeshOf(faces)); }},
        {"SelectMarker", [](int faces) { return SelectMarkerBody(MeshOf(faces)); },
         [](int faces) { return SelectMarkerFloorBody(MeshOf(faces)); }},
    };
}
