// Storing the current selection into marker slots, and clearing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "marker/tackpin.h"
#include "simhost/faults/fault_points.h"
#include "tests/unit/host_table_fixture.h"

namespace {

using EdgeSet = std::unordered_set<EdgeKey>;

class MarkerStoreTest : public HostTableTest {
protected:
    void SetUp() override {
        HostTableTest::SetUp();
        plugin.slots.resize(3);
        obj = sim::Documents().AddObject(doc, "first");
        // Two triangles sharing the line 0-2, and vertex 4 that no face uses.
        AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {5, 5, 5}});
        sim::Documents().AddFace(obj, {0, 1, 2});
        sim::Documents().AddFace(obj, {0, 2, 3});
    }

    EdgeKey Edge(int a, int b) const { return MakeEdgeKey(Uid(obj, a), Uid(obj, b)); }

    // A second object with one triangle, made current.
    MQObject AddSecondObject() {
        MQObject second = sim::Documents().AddObject(doc, "second");
        AddVertices(second, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        sim::Documents().AddFace(second, {0, 1, 2});
        sim::Documents().SetCurrentObject(doc, sim::Documents().ObjectIndex(doc, second));
        return second;
    }

    Tackpin plugin;
    MQObject obj = nullptr;
};

TEST_F(MarkerStoreTest, FreshSlotTakesSelectedVerticesInIndexOrder) {
    sim::Documents().SelectVertex(doc, obj, 3);
    sim::Documents().SelectVertex(doc, obj, 0);
    sim::Documents().SelectVertex(doc, obj, 2);
    EXPECT_EQ(plugin.StoreMarker(doc, 1, false), 1);
    const MarkerSlot& slot = plugin.slots[1];
    EXPECT_EQ(slot.objectUniqueId, sim::Documents().ObjectUniqueId(obj));
    EXPECT_EQ(slot.vertexUniqueIds, (std::vector<int>{Uid(obj, 0), Uid(obj, 2), Uid(obj, 3)}));
    EXPECT_TRUE(slot.edgeKeys.empty());
    EXPECT_TRUE(slot.shown);
    EXPECT_TRUE(plugin.normalsDirty);
}

TEST_F(MarkerStoreTest, SelectedQuadGivesFourKeysAndNoVertices) {
    MQObject quad = AddSecondObject();
    sim::Documents().AddVertex(quad, {1, 1, 0});
    sim::Documents().AddFace(quad, {0, 1, 3, 2});
    sim::Documents().SelectFace(doc, quad, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    auto key = [&](int a, int b) { return MakeEdgeKey(Uid(quad, a), Uid(quad, b)); };
    EXPECT_EQ(plugin.slots[0].edgeKeys, (EdgeSet{key(0, 1), key(1, 3), key(3, 2), key(2, 0)}));
    EXPECT_TRUE(plugin.slots[0].vertexUniqueIds.empty());
}

TEST_F(MarkerStoreTest, TwoSelectedTrianglesSharingALineGiveFiveKeys) {
    sim::Documents().SelectFace(doc, obj, 0);
    sim::Documents().SelectFace(doc, obj, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    EXPECT_EQ(plugin.slots[0].edgeKeys,
              (EdgeSet{Edge(0, 1), Edge(1, 2), Edge(0, 2), Edge(2, 3), Edge(3, 0)}));
}

TEST_F(MarkerStoreTest, SelectedLineWithoutItsFaceGivesOneKey) {
    sim::Documents().SelectLine(doc, obj, 1, 1);  // 2 -> 3
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    EXPECT_EQ(plugin.slots[0].edgeKeys, (EdgeSet{Edge(2, 3)}));
    EXPECT_TRUE(plugin.slots[0].vertexUniqueIds.empty());
}

TEST_F(MarkerStoreTest, SelectedVertexThatNoFaceUsesIsNotStored) {
    sim::Documents().SelectVertex(doc, obj, 4);
    sim::Documents().SelectVertex(doc, obj, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    EXPECT_EQ(plugin.slots[0].vertexUniqueIds, (std::vector<int>{Uid(obj, 1)}));
}

TEST_F(MarkerStoreTest, AddModeKeepsEarlierVerticesAndRepeatsStillSelectedOnes) {
    sim::Documents().SelectVertex(doc, obj, 1);
    sim::Documents().SelectLine(doc, obj, 0, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().SelectVertex(doc, obj, 3);
    plugin.slots[0].normalCache[Uid(obj, 1)] = {0, 0, 1};
    ASSERT_EQ(plugin.StoreMarker(doc, 0, true), 1);
    EXPECT_EQ(plugin.slots[0].vertexUniqueIds,
              (std::vector<int>{Uid(obj, 1), Uid(obj, 1), Uid(obj, 3)}));
    EXPECT_EQ(plugin.slots[0].edgeKeys, (EdgeSet{Edge(0, 1)}));
    EXPECT_TRUE(plugin.slots[0].normalCache.empty());
}

TEST_F(MarkerStoreTest, AddModeKeepsEarlierLinesNoLongerSelected) {
    sim::Documents().SelectLine(doc, obj, 0, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);
    sim::Documents().SelectLine(doc, obj, 1, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, true), 1);
    EXPECT_EQ(plugin.slots[0].edgeKeys, (EdgeSet{Edge(0, 1), Edge(2, 3)}));
}

TEST_F(MarkerStoreTest, OverwriteDropsTheOldContentFirst) {
    sim::Documents().SelectVertex(doc, obj, 1);
    sim::Documents().SelectFace(doc, obj, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);
    sim::Documents().SelectVertex(doc, obj, 3);
    plugin.slots[0].normalCache[Uid(obj, 1)] = {0, 0, 1};
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    EXPECT_EQ(plugin.slots[0].vertexUniqueIds, (std::vector<int>{Uid(obj, 3)}));
    EXPECT_TRUE(plugin.slots[0].edgeKeys.empty());
    EXPECT_TRUE(plugin.slots[0].normalCache.empty());
}

TEST_F(MarkerStoreTest, AddOnAnotherObjectMovesTheMarker) {
    sim::Documents().SelectVertex(doc, obj, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    MQObject second = AddSecondObject();
    sim::Documents().SelectVertex(doc, second, 2);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, true), 1);
    EXPECT_EQ(plugin.slots[0].objectUniqueId, sim::Documents().ObjectUniqueId(second));
    EXPECT_EQ(plugin.slots[0].vertexUniqueIds, (std::vector<int>{Uid(second, 2)}));
}

TEST_F(MarkerStoreTest, OnlyTheCurrentObjectIsRead) {
    MQObject second = AddSecondObject();
    sim::Documents().SelectVertex(doc, obj, 1);
    sim::Documents().SelectFace(doc, obj, 0);
    sim::Documents().SelectVertex(doc, second, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    EXPECT_EQ(plugin.slots[0].vertexUniqueIds, (std::vector<int>{Uid(second, 0)}));
    EXPECT_TRUE(plugin.slots[0].edgeKeys.empty());
}

TEST_F(MarkerStoreTest, StoreWithNothingSelectedLeavesAnEmptyShownSlotOfTheObject) {
    ASSERT_EQ(plugin.StoreMarker(doc, 2, false), 1);
    EXPECT_TRUE(plugin.slots[2].IsEmpty());
    EXPECT_TRUE(plugin.slots[2].shown);
    EXPECT_EQ(plugin.slots[2].objectUniqueId, sim::Documents().ObjectUniqueId(obj));
}

TEST_F(MarkerStoreTest, ClearKeepsObjectAndColourAndAddThenMovesTheSlot) {
    sim::Documents().SelectVertex(doc, obj, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    plugin.slots[0].color = {0.25f, 0.5f, 0.75f};
    plugin.normalsDirty = false;
    EXPECT_EQ(plugin.ClearMarker(0), 1);
    const MarkerSlot& slot = plugin.slots[0];
    EXPECT_TRUE(slot.IsEmpty());
    EXPECT_FALSE(slot.shown);
    EXPECT_EQ(slot.objectUniqueId, sim::Documents().ObjectUniqueId(obj));
    EXPECT_EQ(slot.color, (std::array<float, 3>{0.25f, 0.5f, 0.75f}));
    EXPECT_FALSE(plugin.normalsDirty);

    MQObject second = AddSecondObject();
    sim::Documents().SelectVertex(doc, second, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, true), 1);
    EXPECT_EQ(slot.objectUniqueId, sim::Documents().ObjectUniqueId(second));
}

TEST_F(MarkerStoreTest, IndexPastTheEndGrowsTheList) {
    EXPECT_EQ(plugin.StoreMarker(doc, 3, false), 1);
    EXPECT_EQ(plugin.slots.size(), 4u);
    EXPECT_EQ(plugin.ClearMarker(6), 1);
    ASSERT_EQ(plugin.slots.size(), 7u);
    EXPECT_EQ(plugin.slots[5].objectUniqueId, -1);
    EXPECT_EQ(plugin.slots[5].color, (std::array<float, 3>{1.0f, 0.0f, 1.0f}));
}

TEST_F(MarkerStoreTest, NegativeIndexChangesNothing) {
    plugin.normalsDirty = false;
    EXPECT_EQ(plugin.StoreMarker(doc, -1, false), 0);
    EXPECT_EQ(plugin.ClearMarker(-1), 0);
    EXPECT_EQ(plugin.slots.size(), 3u);
    EXPECT_FALSE(plugin.normalsDirty);
}

TEST_F(MarkerStoreTest, NoCurrentObjectStoresNothing) {
    sim::Documents().SelectVertex(doc, obj, 1);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    plugin.normalsDirty = false;
    sim::Documents().Faults().noCurrentObject = true;
    EXPECT_EQ(plugin.StoreMarker(doc, 0, false), 0);
    EXPECT_EQ(plugin.StoreMarker(doc, 5, true), 0);
    EXPECT_EQ(plugin.slots.size(), 3u);
    EXPECT_EQ(plugin.slots[0].vertexUniqueIds, (std::vector<int>{Uid(obj, 1)}));
    EXPECT_FALSE(plugin.normalsDirty);
}

TEST_F(MarkerStoreTest, AnObjectTheHostCannotPlaceLeavesTheMarkerAsItWas) {
    // The current object that the document does not place: the store fails
    // before anything of the old marker goes, for an overwrite, an add, and
    // a store that would move the marker to another object.
    sim::Documents().SelectVertex(doc, obj, 1);
    sim::Documents().SelectFace(doc, obj, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    plugin.slots[0].normalCache.Add(Uid(obj, 1), 1, {0.0f, 0.0f, 1.0f});
    plugin.normalsDirty = false;
    const MarkerSlot before = plugin.slots[0];
    const auto unchanged = [&] {
        const MarkerSlot& slot = plugin.slots[0];
        return slot.objectUniqueId == before.objectUniqueId &&
               slot.vertexUniqueIds == before.vertexUniqueIds && slot.edgeKeys == before.edgeKeys &&
               slot.normalCache.size() == 1 && slot.shown && !plugin.normalsDirty;
    };
    for (bool add : {false, true}) {
        sim::FaultPoints().Reset();
        sim::FaultPoints().RefuseCall(sim::FaultPoint::ObjectIndex, 0);
        EXPECT_EQ(plugin.StoreMarker(doc, 0, add), 0);
        EXPECT_TRUE(unchanged()) << (add ? "add" : "overwrite");
    }
    AddSecondObject();
    sim::FaultPoints().Reset();
    sim::FaultPoints().RefuseCall(sim::FaultPoint::ObjectIndex, 0);
    EXPECT_EQ(plugin.StoreMarker(doc, 0, true), 0);
    EXPECT_TRUE(unchanged()) << "moved to another object";
}

TEST_F(MarkerStoreTest, WideVertexUniqueIdsSurviveTheEdgeKey) {
    MQObject wide = sim::Documents().AddObject(doc, "wide");
    sim::Documents().SetNextVertexUniqueId(wide, 70000);
    AddVertices(wide, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    sim::Documents().AddFace(wide, {0, 1, 2});
    sim::Documents().SetCurrentObject(doc, sim::Documents().ObjectIndex(doc, wide));
    sim::Documents().SelectLine(doc, wide, 0, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    ASSERT_EQ(plugin.slots[0].edgeKeys.size(), 1u);
    const EdgeKey key = *plugin.slots[0].edgeKeys.begin();
    EXPECT_EQ(EdgeKeyHigh(key), 70000);
    EXPECT_EQ(EdgeKeyLow(key), 70001);
}

TEST(EdgeKeyTest, SmallerIdGoesHighAndBothHalvesDecodeInFull) {
    EXPECT_EQ(MakeEdgeKey(7, 3), 0x0000000300000007ull);
    EXPECT_EQ(MakeEdgeKey(70000, 5), 0x0000000500011170ull);
    EXPECT_EQ(EdgeKeyHigh(MakeEdgeKey(70000, 5)), 5);
    EXPECT_EQ(EdgeKeyLow(MakeEdgeKey(70000, 5)), 70000);
    EXPECT_EQ(MakeEdgeKey(9, 9), 0x0000000900000009ull);
}

}  // namespace
