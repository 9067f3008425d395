// The draw pass over three markers, each a different tenth of a grid of 10
// thousand to a million (or ten million) faces, with Normal off and on and Overwrite on and
// off, and the refresh of the mean normals. Each stands beside its floor: the
// host calls the operation cannot avoid, made in a plain loop from a plan
// worked out before the loop, without the plug-in's containers and look-ups.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "bench/bench_cases.h"
#include "bench/bench_meshes.h"
#include "bench/heap_counter.h"
#include "bench/lean_host/lean_model.h"
#include "cmq/cmq_object.h"
#include "cmq/cmq_object_lists.h"
#include "host/host_api.h"
#include "marker/overlay_drawing.h"
#include "marker/tackpin.h"
#include "marker/vertex_map.h"

namespace {

constexpr int kSlots = 3;

struct Options {
    bool normals;
    bool overwrite;
};

// What one slot's rebuild asks of the host, worked out from the plug-in's own
// slot with the same options and selection.
struct EdgeStep {
    int uidA, uidB;
    bool newA, newB, hidden;
    int drawA, drawB;
    // The selection test's share of the plan's lists: faces asked for their
    // points, then lines asked face first, then line, until one is selected.
    int firstShared, sharedCount, firstLine, lineCount;
};
struct LoneStep {
    int uid;
    bool skip, hidden;
    int draw;
};
struct Tip {
    int draw;
    cmq::Vec3 position;
};
struct SlotPlan {
    int objectUniqueId;
    std::array<float, 3> color;
    std::vector<int> sharedFaces;
    std::vector<cmq::LineKey> lines;
    std::vector<EdgeStep> edges;
    std::vector<LoneStep> lones;
    std::vector<Tip> tips;
};

// Everything the benchmarks of one grid size share, made once per size: the
// started, active plug-in with three markers, each a different tenth of the
// grid, and their mean normals; the scene; the floors' plans and drawing
// objects. The grid's selection is its first tenth (what Overwrite off leaves
// out). Drawing objects outlive each benchmark, so that every timed pass has
// the previous pass's objects to delete, as at every redraw of the host.
struct MarkedGrid {
    explicit MarkedGrid(int faces);
    // Deletes every drawing object left and ends the plug-in, before the host
    // is reset for the next size.
    ~MarkedGrid();
    MarkedGrid(const MarkedGrid&) = delete;
    MarkedGrid& operator=(const MarkedGrid&) = delete;

    // Per size: the process's peak memory so far, what the three slots hold
    // and what the plug-in keeps between draw passes.
    void Finish(benchmark::State& state) const {
        constexpr double kMiB = 1024.0 * 1024.0;
        state.counters["faces"] = mesh.faces;
        state.counters["peak_mib"] = bench::PeakMemoryMiB();
        state.counters["slots_mib"] = static_cast<double>(slotBytes) / kMiB;
        state.counters["kept_mib"] = static_cast<double>(plugin.placedVertices.HeldBytes()) / kMiB;
    }

    const bench::BenchMesh& mesh;
    const int generation;
    const MQDocument doc;
    Tackpin plugin;
    MQScene scene = nullptr;
    std::map<std::pair<bool, bool>, std::vector<SlotPlan>> plans;  // by (normals, overwrite)
    std::array<MQObject, kSlots> floorMade{};
    std::size_t slotBytes = 0;  // the slots' heap bytes once stored and refreshed
};

MarkedGrid::MarkedGrid(int faces)
    : mesh(bench::MeshOf(faces)), generation(mesh.generation), doc(mesh.doc) {
    plugin.OnStart();
    plugin.OnActivate(mesh.doc, 1);
    plugin.slots.resize(kSlots);
    const std::size_t before = bench::LiveHeapBytes();
    for (int slot = 0; slot < kSlots; ++slot) {
        bench::SelectATenth(mesh, 3 * slot);
        plugin.StoreMarker(mesh.doc, slot, false);
    }
    bench::SelectATenth(mesh);
    plugin.document = mesh.doc;
    plugin.UpdateNormalCaches();
    slotBytes = bench::LiveHeapBytes() - before;
    scene = lean::NewScene(mesh.doc, {1, 1, 1, 0, 0});
}

MarkedGrid::~MarkedGrid() {
    // A grid that another benchmark has replaced took its drawing objects
    // with it; they are only forgotten.
    const bool alive = generation == bench::LatestGeneration();
    for (MarkerSlot& slot : plugin.slots) {
        if (!alive) slot.drawObject = nullptr;
        plugin.ReleaseDrawObject(slot);
    }
    for (MQObject drawing : floorMade) {
        if (alive && drawing != nullptr) plugin.DeleteDrawObject(doc, drawing);
    }
    plugin.OnExit();
}

// The marked grid of about `faces` quads, with the given options. Only one
// size lives at a time; it is never destroyed at exit, when the simulated
// host may already be gone.
MarkedGrid& MarkedGridOf(int faces, Options options) {
    static MarkedGrid* grid = nullptr;
    static int builtFor = -1;
    if (builtFor != faces || grid->generation != bench::MeshOf(faces).generation) {
        delete grid;
        grid = new MarkedGrid(faces);
        builtFor = faces;
    }
    grid->plugin.showNormals = options.normals;
    grid->plugin.overwriteMode = options.overwrite;
    return *grid;
}

bench::Body DrawPassBody(int faces, Options options) {
    MarkedGrid& grid = MarkedGridOf(faces, options);
    // Every timed pass finds the last pass's drawing objects to delete and
    // its working room made, as at every redraw but the first.
    grid.plugin.OnDraw(grid.mesh.doc, grid.scene, 640, 480);
    return [grid = &grid] { grid->plugin.OnDraw(grid->mesh.doc, grid->scene, 640, 480); };
}

void RunDrawPass(benchmark::State& state, Options options) {
    const bench::Body pass = DrawPassBody(static_cast<int>(state.range(0)), options);
    for (auto _ : state) pass();
    MarkedGridOf(static_cast<int>(state.range(0)), options).Finish(state);
}

SlotPlan PlanSlot(const Tackpin& plugin, const MarkerSlot& slot, const bench::BenchMesh& mesh) {
    const cmq::CMQObject object(mesh.object, mesh.doc);
    const int objectIndex = host::DocGetObjectIndex(mesh.doc, mesh.object);
    SlotPlan plan{slot.objectUniqueId, slot.color, {}, {}, {}, {}, {}};
    VertexMap placed;
    placed.Start(slot.edgeKeys.size() + slot.vertexUniqueIds.size());
    cmq::LineSearch search;
    int next = 0;
    const auto place = [&](int v, int uid, bool& added) {
        const auto [entry, isNew] = placed.Place(v);
        if (isNew) {
            entry.drawIndex = next++;
            entry.uniqueId = uid;
            entry.position = object.GetPosition(v);
        }
        added = isNew;
        return entry.drawIndex;
    };
    // Every marked vertex of the grid exists: no edge or vertex is skipped as missing.
    for (EdgeKey key : slot.edgeKeys) {
        EdgeStep step{EdgeKeyHigh(key), EdgeKeyLow(key), false, false, false, -1, -1, 0, 0, 0, 0};
        const int a = host::ObjGetVertexIndexFromUniqueID(mesh.object, step.uidA);
        const int b = host::ObjGetVertexIndexFromUniqueID(mesh.object, step.uidB);
        if (!plugin.overwriteMode) {
            std::vector<int> facesOfA = cmq::GetVertexRelatedFaces(object, a);
            std::vector<int> facesOfB = cmq::GetVertexRelatedFaces(object, b);
            std::sort(facesOfA.begin(), facesOfA.end());
            std::sort(facesOfB.begin(), facesOfB.end());
            step.firstShared = static_cast<int>(plan.sharedFaces.size());
            std::set_intersection(facesOfA.begin(), facesOfA.end(), facesOfB.begin(),
                                  facesOfB.end(), std::back_inserter(plan.sharedFaces));
            step.sharedCount = static_cast<int>(plan.sharedFaces.size()) - step.firstShared;
            step.firstLine = static_cast<int>(plan.lines.size());
            object.FindLinesBetween(a, b, search);
            for (cmq::LineKey line : search.lines) {
                plan.lines.push_back(line);
                ++step.lineCount;
                const int face = cmq::LineKeyFace(line);
                if (host::DocIsSelectFace(mesh.doc, objectIndex, face) != 0 ||
                    host::DocIsSelectLine(mesh.doc, objectIndex, face, cmq::LineKeyLine(line)) !=
                        0) {
                    step.hidden = true;
                    break;
                }
            }
        }
        step.drawA = place(a, step.uidA, step.newA);
        step.drawB = place(b, step.uidB, step.newB);
        plan.edges.push_back(step);
    }
    for (int uid : slot.vertexUniqueIds) {
        LoneStep step{uid, false, false, -1};
        const int v = host::ObjGetVertexIndexFromUniqueID(mesh.object, uid);
        step.skip = placed.Contains(v);
        if (!step.skip) {
            step.hidden =
                !plugin.overwriteMode && host::DocIsSelectVertex(mesh.doc, objectIndex, v) != 0;
            bool added = false;
            step.draw = place(v, uid, added);
            if (!step.hidden) ++next;
        }
        plan.lones.push_back(step);
    }
    if (plugin.showNormals) {
        for (const PlacedVertex& vertex : placed.Placed()) {
            const cmq::Vec3* normal = slot.normalCache.Find(vertex.uniqueId);
            if (normal == nullptr) continue;
            const cmq::Vec3& p = vertex.position;
            const cmq::Vec3& n = *normal;
            const float length = plugin.normalLength;
            const cmq::Vec3 tip{p[0] + length * n[0], p[1] + length * n[1], p[2] + length * n[2]};
            plan.tips.push_back({vertex.drawIndex, tip});
        }
    }
    return plan;
}

// Faces around v, read into `buffer` as the host hands them over; their number.
int ReadRelatedFaces(MQObject object, int v, std::vector<int>& buffer) {
    const int count = host::ObjGetVertexRelatedFaces(object, v, nullptr);
    if (count > static_cast<int>(buffer.size())) buffer.resize(static_cast<std::size_t>(count));
    host::ObjGetVertexRelatedFaces(object, v, buffer.data());
    return count;
}

// Points of the face, read into `buffer`; their number.
int ReadFacePoints(MQObject object, int face, std::vector<int>& buffer) {
    const int count = host::ObjGetFacePointCount(object, face);
    if (count > static_cast<int>(buffer.size())) buffer.resize(static_cast<std::size_t>(count));
    host::ObjGetFacePointArray(object, face, buffer.data());
    return count;
}

bench::Body DrawPassFloorBody(int faces, Options options) {
    MarkedGrid& grid = MarkedGridOf(faces, options);
    Tackpin& plugin = grid.plugin;
    // Only the current options' plans are kept: at ten million faces each
    // set of them takes hundreds of MiB.
    for (auto other = grid.plans.begin(); other != grid.plans.end();) {
        if (other->first != std::pair{options.normals, options.overwrite}) {
            other = grid.plans.erase(other);
        } else {
            ++other;
        }
    }
    std::vector<SlotPlan>& plans = grid.plans[{options.normals, options.overwrite}];
    if (plans.empty()) {
        for (const MarkerSlot& slot : plugin.slots)
            plans.push_back(PlanSlot(plugin, slot, grid.mesh));
    }

    const MQDocument doc = grid.mesh.doc;
    std::array<MQObject, kSlots>& made = grid.floorMade;
    const auto room = std::make_shared<std::vector<int>>(64);
    // Not inlined, so that a profiler can count the floor's calls apart.
    const auto pass =
        [&plugin, &grid, &plans, doc, &made, room, options ]() __attribute__((noinline)) {
        std::vector<int>& buffer = *room;
        SceneOptions sceneOptions;
        plugin.GetSceneOption(grid.scene, sceneOptions);
        const int visibility = DrawVisibility(sceneOptions, false);
        for (int s = kSlots - 1; s >= 0; --s) {
            const SlotPlan& plan = plans[static_cast<std::size_t>(s)];
            MQObject object = host::DocGetObjectFromUniqueID(doc, plan.objectUniqueId);
            const int objectIndex = host::DocGetObjectIndex(doc, object);
            benchmark::DoNotOptimize(host::ObjGetVisible(object));
            if (made[s] != nullptr) plugin.DeleteDrawObject(doc, made[s]);
            MQObject drawing = made[s] = plugin.CreateDrawObject(doc, visibility);
            host::ObjSetFloatArray(drawing, host::kObjectColor, plan.color.data());
            host::ObjSetIntValue(drawing, host::kObjectColor, 1);
            float position[3];
            for (const EdgeStep& step : plan.edges) {
                const int a = host::ObjGetVertexIndexFromUniqueID(object, step.uidA);
                const int b = host::ObjGetVertexIndexFromUniqueID(object, step.uidB);
                if (!options.overwrite) {
                    ReadRelatedFaces(object, a, buffer);
                    ReadRelatedFaces(object, b, buffer);
                    for (int i = 0; i < step.sharedCount; ++i)
                        ReadFacePoints(
                            object,
                            plan.sharedFaces[static_cast<std::size_t>(step.firstShared + i)],
                            buffer);
                    for (int i = 0; i < step.lineCount; ++i) {
                        const cmq::LineKey line =
                            plan.lines[static_cast<std::size_t>(step.firstLine + i)];
                        const int face = cmq::LineKeyFace(line);
                        if (host::DocIsSelectFace(doc, objectIndex, face) != 0 ||
                            host::DocIsSelectLine(doc, objectIndex, face, cmq::LineKeyLine(line)) !=
                                0)
                            break;
                    }
                }
                if (step.newA) {
                    host::ObjGetVertex(object, a, position);
                    host::ObjAddVertex(drawing, position);
                }
                if (step.newB) {
                    host::ObjGetVertex(object, b, position);
                    host::ObjAddVertex(drawing, position);
                }
                if (!step.hidden) {
                    const int points[2] = {step.drawA, step.drawB};
                    host::ObjAddFace(drawing, 2, points);
                }
            }
            for (const LoneStep& step : plan.lones) {
                const int v = host::ObjGetVertexIndexFromUniqueID(object, step.uid);
                if (step.skip) continue;
                if (!options.overwrite)
                    benchmark::DoNotOptimize(host::DocIsSelectVertex(doc, objectIndex, v));
                host::ObjGetVertex(object, v, position);
                host::ObjAddVertex(drawing, position);
                if (!step.hidden) {
                    const int points[2] = {step.draw, host::ObjAddVertex(drawing, position)};
                    host::ObjAddFace(drawing, 2, points);
                }
            }
            for (const Tip& tip : plan.tips) {
                const int points[2] = {tip.draw, host::ObjAddVertex(drawing, tip.position.data())};
                host::ObjAddFace(drawing, 2, points);
            }
        }
    };
    pass();
    return pass;
}

void RunDrawPassFloor(benchmark::State& state, Options options) {
    const bench::Body pass = DrawPassFloorBody(static_cast<int>(state.range(0)), options);
    for (auto _ : state) pass();
    MarkedGridOf(static_cast<int>(state.range(0)), options).Finish(state);
}

void DrawPass(benchmark::State& state) { RunDrawPass(state, {false, true}); }
void DrawPassFloor(benchmark::State& state) { RunDrawPassFloor(state, {false, true}); }
void DrawNormals(benchmark::State& state) { RunDrawPass(state, {true, true}); }
void DrawNormalsFloor(benchmark::State& state) { RunDrawPassFloor(state, {true, true}); }
void DrawNoOverwrite(benchmark::State& state) { RunDrawPass(state, {false, false}); }
void DrawNoOverwriteFloor(benchmark::State& state) { RunDrawPassFloor(state, {false, false}); }
void DrawNormalsNoOverwrite(benchmark::State& state) { RunDrawPass(state, {true, false}); }
void DrawNormalsNoOverwriteFloor(benchmark::State& state) {
    RunDrawPassFloor(state, {true, false});
}

bench::Body NormalCachesBody(int faces) {
    MarkedGrid& grid = MarkedGridOf(faces, {true, true});
    return [grid = &grid] { grid->plugin.UpdateNormalCaches(); };
}

void NormalCaches(benchmark::State& state) {
    const bench::Body refresh = NormalCachesBody(static_cast<int>(state.range(0)));
    for (auto _ : state) refresh();
    MarkedGridOf(static_cast<int>(state.range(0)), {true, true}).Finish(state);
}

// The refresh's host calls: per slot its object, then the walk over the used
// vertices (the count asked at every step) with each one's unique id, and
// for each marked one the faces around it, their points and the corner's
// positions.
bench::Body NormalCachesFloorBody(int faces) {
    MarkedGrid& grid = MarkedGridOf(faces, {true, true});
    const MQDocument doc = grid.mesh.doc;
    const MQObject mesh = grid.mesh.object;
    const int vertexCount = host::ObjGetVertexCount(mesh);
    // Marked vertices by index: the plainest possible membership test.
    const auto markedRef = std::make_shared<std::vector<std::vector<char>>>();
    std::vector<std::vector<char>>& marked = *markedRef;
    for (const MarkerSlot& slot : grid.plugin.slots) {
        std::vector<char> byIndex(static_cast<std::size_t>(vertexCount), 0);
        const auto mark = [&](int uid) {
            const int v = host::ObjGetVertexIndexFromUniqueID(mesh, uid);
            if (v >= 0 && v < vertexCount) byIndex[static_cast<std::size_t>(v)] = 1;
        };
        for (int uid : slot.vertexUniqueIds) mark(uid);
        for (EdgeKey key : slot.edgeKeys) {
            mark(EdgeKeyHigh(key));
            mark(EdgeKeyLow(key));
        }
        marked.push_back(std::move(byIndex));
    }
    const auto rooms = std::make_shared<std::array<std::vector<int>, 2>>();
    rooms->fill(std::vector<int>(64));
    // Not inlined, so that a profiler can count the floor's calls apart.
    const auto refresh = [&grid, doc, markedRef, rooms ]() __attribute__((noinline)) {
        const std::vector<std::vector<char>>& marked = *markedRef;
        std::vector<int>& faces = (*rooms)[0];
        std::vector<int>& points = (*rooms)[1];
        float sink = 0.0f;
        for (std::size_t s = 0; s < grid.plugin.slots.size(); ++s) {
            MQObject object =
                host::DocGetObjectFromUniqueID(doc, grid.plugin.slots[s].objectUniqueId);
            benchmark::DoNotOptimize(host::DocGetObjectIndex(doc, object));
            benchmark::DoNotOptimize(host::ObjGetVisible(object));
            // The walk asks for the count at every step, as the refresh's does.
            for (int v = 0; v < host::ObjGetVertexCount(object); ++v) {
                if (host::ObjGetVertexRefCount(object, v) < 1) continue;
                benchmark::DoNotOptimize(host::ObjGetVertexUniqueID(object, v));
                if (marked[s][static_cast<std::size_t>(v)] == 0) continue;
                const int faceCount = ReadRelatedFaces(object, v, faces);
                for (int f = 0; f < faceCount; ++f) {
                    const int n =
                        ReadFacePoints(object, faces[static_cast<std::size_t>(f)], points);
                    // The corner and the points its normal needs: the next, the
                    // previous and, beyond a triangle, the one after next.
                    int corner = 0;
                    while (corner < n && points[static_cast<std::size_t>(corner)] != v) ++corner;
                    float position[3];
                    for (int k : {corner, corner + 1, corner + n - 1, corner + 2}) {
                        if (k == corner + 2 && n <= 3) continue;
                        host::ObjGetVertex(object, points[static_cast<std::size_t>(k % n)],
                                           position);
                        // The answer is read in full, as the normal needs it.
                        sink += position[0] + position[1] + position[2];
                    }
                }
            }
        }
        benchmark::DoNotOptimize(sink);
    };
    return refresh;
}

void NormalCachesFloor(benchmark::State& state) {
    const bench::Body refresh = NormalCachesFloorBody(static_cast<int>(state.range(0)));
    for (auto _ : state) refresh();
    MarkedGridOf(static_cast<int>(state.range(0)), {true, true}).Finish(state);
}

// Run length and repetitions come from the command line (bench_main.cpp).
void Settings(benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); }

}  // namespace

void bench::RegisterOverlayBenchmarks(int faces) {
    for (auto [name, run] : {std::pair{"DrawPass", &DrawPass},
                             {"DrawPassFloor", &DrawPassFloor},
                             {"DrawNormals", &DrawNormals},
                             {"DrawNormalsFloor", &DrawNormalsFloor},
                             {"DrawNoOverwrite", &DrawNoOverwrite},
                             {"DrawNoOverwriteFloor", &DrawNoOverwriteFloor},
                             {"DrawNormalsNoOverwrite", &DrawNormalsNoOverwrite},
                             {"DrawNormalsNoOverwriteFloor", &DrawNormalsNoOverwriteFloor},
                             {"NormalCaches", &NormalCaches},
                             {"NormalCachesFloor", &NormalCachesFloor}}) {
        benchmark::RegisterBenchmark(name, run)->Arg(faces)->Apply(Settings);
    }
}

std::vector<bench::BenchCase> bench::OverlayCases() {
    const auto pass = [](const char* name, Options options) {
        return BenchCase{name, [options](int faces) { return DrawPassBody(faces, options); },
                         [options](int faces) { return DrawPassFloorBody(faces, options); }};
    };
    return {pass("DrawPass", {false, true}),
            pass("DrawNormals", {true, true}),
            pass("DrawNoOverwrite", {false, false}),
            pass("DrawNormalsNoOverwrite", {true, false}),
            {"NormalCaches", NormalCachesBody, NormalCachesFloorBody}};
}
