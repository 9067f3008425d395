// The marker overlay as the host sees it: the drawing objects that each draw
// event (110) leaves in the document, for markers stored from the selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "host/event_dispatch.h"
#include "marker/tackpin.h"
#include "simhost/host_state.h"
#include "tests/unit/host_table_fixture.h"

namespace {

using Segment = std::array<float, 6>;  // start x, y, z, end x, y, z
using FaceLine = std::pair<int, int>;  // face, line

Segment Seg(sim::Vec3 a, sim::Vec3 b) { return {a.x, a.y, a.z, b.x, b.y, b.z}; }

// The lines of a drawing object by their end positions, sorted.
std::vector<Segment> Segments(const sim::DrawObjectInfo& info) {
    std::vector<Segment> segments;
    for (const std::vector<int>& face : info.faces) {
        EXPECT_EQ(face.size(), 2u);
        segments.push_back(Seg(info.vertices.at(face[0]), info.vertices.at(face[1])));
    }
    std::sort(segments.begin(), segments.end());
    return segments;
}

std::vector<Segment> Sorted(std::vector<Segment> segments) {
    std::sort(segments.begin(), segments.end());
    return segments;
}

// A started and activated plug-in over one object whose vertex V0 sits on a
// right-angled edge: face F0 (V0, V1, V2) has the unit corner normal (0, 0, 1)
// at V0, face F1 (V0, V3, V1) has (1, 0, 0).
class Overlay : public HostTableTest {
protected:
    static constexpr sim::Vec3 P0{2, 3, 4}, P1{2, 4, 4}, P2{3, 3, 4}, P3{2, 3, 5};
    enum { V0, V1, V2, V3 };
    enum { F0, F1 };

    void SetUp() override {
        HostTableTest::SetUp();
        scene = sim::Documents().NewScene(doc, {1, 1, 1, 0, 0});
        obj = sim::Documents().AddObject(doc, "marked");
        AddVertices(obj, {P0, P1, P2, P3});
        sim::Documents().AddFace(obj, {V0, V1, V2});
        sim::Documents().AddFace(obj, {V0, V3, V1});
        ASSERT_EQ(host::DispatchEvent(plugin, nullptr, 1, nullptr), 1);
        Activate(1);
    }

    void TearDown() override {
        host::DispatchEvent(plugin, nullptr, 2, nullptr);
        HostTableTest::TearDown();
    }

    void Activate(int flag) { host::DispatchEvent(plugin, doc, 100, &flag); }

    // Host event 110 for `target` (the test's document by default).
    void Draw(MQDocument target = nullptr, bool withScene = true) {
        int width = 640, height = 480;
        KeyValuePair list[] = {
            {"scene", scene}, {"width", &width}, {"height", &height}, {nullptr, nullptr}};
        host::DispatchEvent(plugin, target != nullptr ? target : doc, 110,
                            withScene ? list : list + 1);
    }

    // Stores the selection of these vertices and face lines into `slot`, then
    // clears the selection.
    void Store(int slot, const std::vector<int>& vertices,
               const std::vector<FaceLine>& lines = {}) {
        for (int v : vertices) sim::Documents().SelectVertex(doc, obj, v);
        for (auto [face, line] : lines) sim::Documents().SelectLine(doc, obj, face, line);
        ASSERT_EQ(plugin.StoreMarker(doc, slot, false), 1);
        sim::Documents().ClearSelection(doc);
    }

    std::vector<sim::DrawObjectInfo> Drawn(MQDocument in = nullptr) const {
        return sim::Documents().DrawObjects(in != nullptr ? in : doc);
    }

    int MessagesNumbered(int number) const {
        const auto& sent = sim::SentMessages();
        const auto numbered = [&](const sim::SentMessage& message) {
            return message.number == number;
        };
        return static_cast<int>(std::count_if(sent.begin(), sent.end(), numbered));
    }

    Tackpin plugin;
    MQScene scene = nullptr;
    MQObject obj = nullptr;
};

TEST_F(Overlay, RightAngleVertexNormalEndsAtPPlusLengthTimesTheMean) {
    // The mean of (0, 0, 1) and (1, 0, 0) is (0.5, 0, 0.5), kept that short.
    struct Case {
        float length;
        sim::Vec3 tip;
    };
    for (const Case& c : {Case{10.0f, {7, 3, 9}}, Case{-2.0f, {1, 3, 3}}, Case{0.0f, P0}}) {
        Store(0, {V0});
        plugin.showNormals = true;
        plugin.normalLength = c.length;
        Draw();
        auto drawn = Drawn();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].vertices.size(), 3u);
        EXPECT_EQ(Segments(drawn[0]), Sorted({Seg(P0, P0), Seg(P0, c.tip)})) << c.length;
    }
}

TEST_F(Overlay, EachObjectVertexIsPlacedOnce) {
    struct Case {
        std::vector<int> vertices;
        std::vector<FaceLine> lines;
        std::size_t placed;
        std::vector<Segment> segments;
        bool listedTwice = false;
    };
    const Case cases[] = {
        // Listed and an edge end: no point line of its own.
        {{V0}, {{F0, 0}}, 2, {Seg(P0, P1)}},
        // Two edges sharing an end.
        {{}, {{F0, 0}, {F0, 2}}, 3, {Seg(P0, P1), Seg(P0, P2)}},
        // A vertex listed twice (added again) is one point.
        {{V2}, {}, 2, {Seg(P2, P2)}, true},
    };
    for (const Case& c : cases) {
        Store(0, c.vertices, c.lines);
        if (c.listedTwice) plugin.slots[0].vertexUniqueIds.push_back(Uid(obj, c.vertices[0]));
        Draw();
        auto drawn = Drawn();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].vertices.size(), c.placed);
        EXPECT_EQ(Segments(drawn[0]), Sorted(c.segments));
    }
}

TEST_F(Overlay, EdgeWithADeletedEndIsSkippedWhole) {
    // Line 1 of F0 runs V1 -> V2; V2 is its second end (the larger id).
    Store(0, {}, {{F0, 1}});
    Store(1, {V1}, {{F0, 1}});
    sim::Documents().DeleteVertex(obj, V2);
    Draw();
    auto drawn = Drawn();  // slot 1 first: slots are drawn from the last
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(Segments(drawn[0]), (std::vector<Segment>{Seg(P1, P1)}));
    EXPECT_TRUE(drawn[1].vertices.empty());
}

TEST_F(Overlay, WithoutOverwriteSelectedElementsAreLeftToTheHost) {
    struct Case {
        const char* what;
        bool overwrite;
        std::vector<int> selectVertices;
        std::vector<FaceLine> selectLines;
        int selectFace;
        std::size_t segments;
    };
    // Marked: edge V0-V1 (line 0 of F0, line 2 of F1) and the lone vertex V2.
    const Case cases[] = {
        {"nothing selected", false, {}, {}, -1, 2},
        {"overwrite draws over the selection", true, {V2}, {}, F0, 2},
        {"selected lone vertex", false, {V2}, {}, -1, 1},
        {"face holding the edge", false, {}, {}, F1, 1},
        {"the edge's line in the other face", false, {}, {{F1, 2}}, -1, 1},
        {"another line at the same end", false, {}, {{F0, 2}}, -1, 2},
    };
    for (const Case& c : cases) {
        Store(0, {V2}, {{F0, 0}});
        plugin.overwriteMode = c.overwrite;
        for (int v : c.selectVertices) sim::Documents().SelectVertex(doc, obj, v);
        for (auto [face, line] : c.selectLines) sim::Documents().SelectLine(doc, obj, face, line);
        if (c.selectFace >= 0) sim::Documents().SelectFace(doc, obj, c.selectFace);
        Draw();
        auto drawn = Drawn();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].faces.size(), c.segments) << c.what;
        sim::Documents().ClearSelection(doc);
    }
}

TEST_F(Overlay, EndsOfAHiddenEdgeKeepTheirNormalLines) {
    // V1 is a right-angle corner too: (0, 0, 1) in F0 and (1, 0, 0) in F1.
    Store(0, {}, {{F0, 0}});
    plugin.overwriteMode = false;
    plugin.showNormals = true;
    sim::Documents().SelectFace(doc, obj, F0);
    Draw();
    auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].vertices.size(), 4u);
    EXPECT_EQ(Segments(drawn[0]), Sorted({Seg(P0, {7, 3, 9}), Seg(P1, {7, 4, 9})}));
}

TEST_F(Overlay, VisibilityFollowsTheSceneAndAllways) {
    struct Case {
        int showVertex, showLine;
        bool always;
        int visibility;
    };
    const Case cases[] = {{0, 0, false, 0}, {1, 0, false, 1}, {0, 1, false, 2}, {1, 1, false, 3},
                          {0, 0, true, 2},  {1, 0, true, 3},  {5, 7, true, 3}};
    Store(0, {V0});
    plugin.slots[0].color = {0.25f, 0.5f, 0.75f};
    for (const Case& c : cases) {
        sim::Documents().SetSceneOptions(scene, {c.showVertex, c.showLine, 1, 1, 1});
        plugin.drawAlways = c.always;
        Draw();
        auto drawn = Drawn();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].visibility, c.visibility) << c.showVertex << c.showLine << c.always;
        EXPECT_EQ(drawn[0].instant, 0);
        EXPECT_EQ(std::vector<float>(drawn[0].color, drawn[0].color + 3),
                  (std::vector<float>{0.25f, 0.5f, 0.75f}));
        EXPECT_EQ(drawn[0].colorSet, 1);
    }
}

TEST_F(Overlay, DrawEventWithoutASceneAsksNothingAndTakesTheOptionsAsOff) {
    Store(0, {V0});
    plugin.drawAlways = true;
    Draw(nullptr, false);
    EXPECT_EQ(MessagesNumbered(host_message::kSceneOption), 0);
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_EQ(Drawn()[0].visibility, 2);
}

TEST_F(Overlay, ViewOffDeletesEveryDrawingObjectAndOnBringsThemBack) {
    for (int slot : {0, 1, 2}) Store(slot, {slot});
    plugin.slots[2].color = {0.0f, 1.0f, 0.0f};
    Draw();
    auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].color[1], 1.0f);  // the last slot first
    plugin.showMarkers = false;
    Draw();
    EXPECT_TRUE(Drawn().empty());
    plugin.showMarkers = true;
    Draw();
    EXPECT_EQ(Drawn().size(), 3u);
}

TEST_F(Overlay, EachPassReadsTheViewThenDeletesBeforeItRebuildsEachSlot) {
    Store(0, {V0});
    Store(1, {V1});
    Draw();
    const std::size_t first = sim::SentMessages().size();
    Draw();
    std::vector<int> numbers;
    for (std::size_t i = first; i < sim::SentMessages().size(); ++i)
        numbers.push_back(sim::SentMessages()[i].number);
    EXPECT_EQ(numbers, (std::vector<int>{410, 210, 200, 210, 200}));
    EXPECT_EQ(Segments(Drawn()[0]), (std::vector<Segment>{Seg(P1, P1)}));  // slot 1 first
}

TEST_F(Overlay, SlotsWithoutAMarkerToShowEndWithoutDrawingObject) {
    Store(0, {V0});
    Store(1, {V1});
    Store(2, {V2});
    plugin.slots[0].shown = false;
    plugin.ClearMarker(1);
    plugin.slots.emplace_back();  // never stored
    plugin.slots[3].shown = true;
    Draw();
    auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(Segments(drawn[0]), (std::vector<Segment>{Seg(P2, P2)}));
}

TEST_F(Overlay, HiddenOrDeletedObjectLosesItsOverlay) {
    Store(0, {V0});
    Draw();
    sim::Documents().SetObjectVisible(obj, false);
    Draw();
    EXPECT_TRUE(Drawn().empty());
    sim::Documents().SetObjectVisible(obj, true);
    Draw();
    EXPECT_EQ(Drawn().size(), 1u);
    sim::Documents().DeleteObject(doc, obj);
    Draw();
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(Overlay, InactivePassesCreateAndDeleteNothing) {
    Store(0, {V0});
    Draw();
    MQObject made = Drawn().at(0).handle;
    Activate(0);
    plugin.showMarkers = false;
    const std::size_t sent = sim::SentMessages().size();
    Draw();
    EXPECT_EQ(sim::SentMessages().size(), sent);
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_EQ(Drawn()[0].handle, made);
    Activate(1);
    Draw();
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(Overlay, WideUniqueIdsDrawBetweenExactlyThoseVertices) {
    MQObject wide = sim::Documents().AddObject(doc, "wide");
    sim::Documents().SetNextVertexUniqueId(wide, 5);
    const int a = sim::Documents().AddVertex(wide, {1, 0, 0});
    sim::Documents().SetNextVertexUniqueId(wide, 70000);
    const int b = sim::Documents().AddVertex(wide, {0, 1, 0});
    const int c = sim::Documents().AddVertex(wide, {0, 0, 1});
    sim::Documents().AddFace(wide, {a, b, c});
    plugin.slots[0].objectUniqueId = sim::Documents().ObjectUniqueId(wide);
    plugin.slots[0].edgeKeys = {MakeEdgeKey(5, 70000)};
    plugin.slots[0].shown = true;
    Draw();
    auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(Segments(drawn[0]), (std::vector<Segment>{Seg({1, 0, 0}, {0, 1, 0})}));
}

// The refresh keeps the normals of the marked vertices alone, however the
// marked ids' range falls: ids that span a whole number of 64-bit words, with
// an object vertex just past either end of the range.
TEST_F(Overlay, NormalsAreRefreshedForExactlyTheMarkedIds) {
    MQObject strip = sim::Documents().AddObject(doc, "strip");
    sim::Documents().SetNextVertexUniqueId(strip, 999);
    constexpr int kVertices = 132;  // ids 999 to 1130
    for (int i = 0; i < kVertices; ++i)
        sim::Documents().AddVertex(strip, {static_cast<float>(i), static_cast<float>(i % 2), 0});
    for (int i = 0; i + 2 < kVertices; ++i) sim::Documents().AddFace(strip, {i, i + 1, i + 2});
    plugin.slots[0].objectUniqueId = sim::Documents().ObjectUniqueId(strip);
    plugin.slots[0].shown = true;
    plugin.showNormals = true;
    for (const std::vector<int>& marked :
         {std::vector<int>{1000, 1063}, {1000, 1127}, {1000, 1031, 1063}, {1001, 1064}}) {
        plugin.slots[0].vertexUniqueIds = marked;
        plugin.normalsDirty = true;
        Draw();
        std::vector<int> refreshed;
        for (const NormalCache::Entry& entry : plugin.slots[0].normalCache.Entries())
            refreshed.push_back(entry.uniqueId);
        EXPECT_EQ(refreshed, marked);
    }
}

TEST_F(Overlay, NormalLinesOfUnusedAndFlatCornersAndStaleCaches) {
    // V4 loses its only face; V5..V7 make a face whose corners all coincide.
    AddVertices(obj, {{9, 0, 0}, {5, 5, 5}, {5, 5, 5}, {5, 5, 5}});
    const int dropped = sim::Documents().AddFace(obj, {V1, 4, V3});
    sim::Documents().AddFace(obj, {5, 6, 7});
    Store(0, {4, 5});
    Store(1, {V0});
    sim::Documents().DeleteFace(obj, dropped);
    plugin.showNormals = true;
    Draw();
    auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(Segments(drawn[1]), Sorted({Seg({9, 0, 0}, {9, 0, 0}), Seg({5, 5, 5}, {5, 5, 5}),
                                          Seg({5, 5, 5}, {5, 5, 5})}));
    // Caches follow the geometry only once marked dirty.
    EXPECT_FALSE(plugin.normalsDirty);
    sim::Documents().SetVertexPosition(obj, V3, {1, 3, 4});  // F1 now lies flat, normal (0, 0, 1)
    Draw();
    EXPECT_EQ(Segments(Drawn()[0]), Sorted({Seg(P0, P0), Seg(P0, {7, 3, 9})}));
    plugin.normalsDirty = true;
    Draw();
    EXPECT_EQ(Segments(Drawn()[0]), Sorted({Seg(P0, P0), Seg(P0, {2, 3, 14})}));
}

TEST_F(Overlay, SlotWithoutADrawingObjectFromTheHostIsAskedNothingAboutOne) {
    Store(0, {V0});
    Store(1, {V1});
    sim::Documents().Faults().drawObjectsBeforeRefusal = 1;
    Draw();
    auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(Segments(drawn[0]), (std::vector<Segment>{Seg(P1, P1)}));
    EXPECT_EQ(plugin.slots[0].drawObject, nullptr);
    sim::Documents().Faults().drawObjectsBeforeRefusal = -1;
    Draw();
    EXPECT_EQ(Drawn().size(), 2u);
}

TEST_F(Overlay, DrawingObjectIsDeletedInTheDocumentItWasMadeIn) {
    Store(0, {V0});
    Draw();
    Activate(0);  // forgets the document of the last pass
    Activate(1);
    MQDocument other = sim::Documents().NewDocument();
    scene = sim::Documents().NewScene(other, {1, 1, 0, 0, 0});
    Draw(other);
    EXPECT_TRUE(Drawn().empty());
    EXPECT_TRUE(Drawn(other).empty());
    EXPECT_EQ(MessagesNumbered(host_message::kDeleteDrawObject), 1);
}

TEST_F(Overlay, NormalOfAVertexRenumberedSinceTheRefreshIsStillDrawn) {
    Store(0, {V3});
    plugin.showNormals = true;
    Draw();
    const std::vector<Segment> before = Segments(Drawn().at(0));
    ASSERT_EQ(before.size(), 2u);  // the point and the normal line
    // V3 moves to index 2; the cache, not marked dirty, still knows it at 3.
    const int moved = Uid(obj, V3);
    sim::Documents().DeleteVertex(obj, V2);
    sim::Documents().Compact(obj);
    ASSERT_EQ(sim::Documents().VertexIndex(obj, moved), 2);
    ASSERT_FALSE(plugin.normalsDirty);
    Draw();
    EXPECT_EQ(Segments(Drawn().at(0)), before);
}

// Beside a renumbered vertex, one that kept its index: each still gets one
// normal line, none twice.
TEST_F(Overlay, RenumberedAndUnmovedVerticesEachKeepOneNormalLine) {
    Store(0, {V0, V3});
    plugin.showNormals = true;
    Draw();
    const std::vector<Segment> before = Segments(Drawn().at(0));
    ASSERT_EQ(before.size(), 4u);  // two points, two normal lines
    sim::Documents().DeleteVertex(obj, V2);
    sim::Documents().Compact(obj);
    ASSERT_FALSE(plugin.normalsDirty);
    Draw();
    EXPECT_EQ(Segments(Drawn().at(0)), before);
}

TEST_F(Overlay, RoomKeptBetweenPassesIsGivenBackOnClearNewDocumentAndExit) {
    Store(0, {V2}, {{F0, 0}});
    Draw();
    EXPECT_GT(plugin.placedVertices.HeldBytes(), 0u);
    plugin.ClearMarker(1);
    EXPECT_EQ(plugin.placedVertices.HeldBytes(), 0u);
    Draw();
    EXPECT_EQ(Segments(Drawn().at(0)), Sorted({Seg(P0, P1), Seg(P2, P2)}));
    EXPECT_GT(plugin.placedVertices.HeldBytes(), 0u);
    DocumentDataOption option{};
    plugin.OnLoadDocument(doc, nullptr, option);
    EXPECT_EQ(plugin.placedVertices.HeldBytes(), 0u);
    Store(0, {V2});
    Draw();
    EXPECT_GT(plugin.placedVertices.HeldBytes(), 0u);
    host::DispatchEvent(plugin, nullptr, 2, nullptr);
    EXPECT_EQ(plugin.placedVertices.HeldBytes(), 0u);
}

// The rebuild numbers that tell the vertex map's entries apart wrap after
// 2^32 rebuilds: from then on every entry made before counts as empty, those
// of the last rebuilds before the wrap and those numbered like the first ones
// after it alike.
TEST(VertexMapNumbers, EveryEarlierEntryCountsAsEmptyAfterTheWrap) {
    VertexMap map;
    map.Start(4);  // rebuild 1
    map.Place(3);
    map.Place(7);
    map.SkipRebuilds(std::numeric_limits<std::uint32_t>::max() - 2);
    map.Start(4);  // the last number before the wrap
    EXPECT_FALSE(map.Contains(3));
    map.Place(5).first.drawIndex = 0;
    EXPECT_TRUE(map.Contains(5));
    map.Start(4);  // the numbers start again from 1
    for (int vertex : {3, 5, 7}) EXPECT_FALSE(map.Contains(vertex)) << vertex;
    EXPECT_TRUE(map.Place(3).second);
    EXPECT_TRUE(map.Place(5).second);
    EXPECT_FALSE(map.Place(3).second);
    EXPECT_EQ(map.Placed().size(), 2u);
    map.Start(4);
    EXPECT_FALSE(map.Contains(3));
}

}  // namespace
