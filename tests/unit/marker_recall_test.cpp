// Recalling markers as the selection, and markers surviving what the host
// does to the mesh between store and recall.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "marker/tackpin.h"
#include "tests/unit/host_table_fixture.h"

namespace {

using LineList = std::vector<std::pair<int, int>>;

class MarkerRecallTest : public HostTableTest {
protected:
    void SetUp() override {
        HostTableTest::SetUp();
        plugin.slots.resize(3);
        obj = sim::Documents().AddObject(doc, "grid");
        // Vertex (c, r) is 4r + c, quad (c, r) is 3r + c with the points (c, r)
        // (c+1, r) (c+1, r+1) (c, r+1); quad 4 is in the middle.
        sim::AddQuadGrid(obj, 3, 3);
    }

    std::vector<int> SelectedVertices() const {
        return sim::Documents().SelectedVertices(doc, obj);
    }
    LineList SelectedLines() const { return sim::Documents().SelectedLines(doc, obj); }

    // Vertex unique ids of the selected vertices, and the end point unique ids
    // of the selected lines: what a marker means, whatever the numbering.
    std::multiset<int> SelectedVertexIds() const {
        std::multiset<int> ids;
        for (int v : SelectedVertices()) ids.insert(Uid(obj, v));
        return ids;
    }
    std::multiset<EdgeKey> SelectedLineEnds() const {
        std::multiset<EdgeKey> ends;
        for (auto [face, line] : SelectedLines()) {
            auto points = sim::Documents().FacePoints(obj, face);
            const int a = points[static_cast<std::size_t>(line)];
            const int b = points[static_cast<std::size_t>(line + 1) % points.size()];
            ends.insert(MakeEdgeKey(Uid(obj, a), Uid(obj, b)));
        }
        return ends;
    }

    Tackpin plugin;
    MQObject obj = nullptr;
};

TEST_F(MarkerRecallTest, ReplaceSelectsExactlyTheMarkedVertices) {
    sim::Documents().SelectVertex(doc, obj, 3);
    sim::Documents().SelectVertex(doc, obj, 9);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);
    sim::Documents().SelectVertex(doc, obj, 5);
    sim::Documents().SelectFace(doc, obj, 2);
    sim::Documents().SelectLine(doc, obj, 0, 0);

    plugin.SelectMarker(doc, 0, false);
    EXPECT_EQ(SelectedVertices(), (std::vector<int>{3, 9}));
    EXPECT_TRUE(SelectedLines().empty());
    EXPECT_TRUE(sim::Documents().SelectedFaces(doc, obj).empty());
}

TEST_F(MarkerRecallTest, AddKeepsTheEarlierSelection) {
    sim::Documents().SelectVertex(doc, obj, 3);
    sim::Documents().SelectVertex(doc, obj, 9);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);
    sim::Documents().SelectVertex(doc, obj, 5);
    sim::Documents().SelectFace(doc, obj, 2);

    plugin.SelectMarker(doc, 0, true);
    EXPECT_EQ(SelectedVertices(), (std::vector<int>{3, 5, 9}));
    EXPECT_EQ(sim::Documents().SelectedFaces(doc, obj), (std::vector<int>{2}));
}

TEST_F(MarkerRecallTest, EmptySlotLeavesTheSelectionAlone) {
    ASSERT_EQ(plugin.StoreMarker(doc, 1, false), 1);  // nothing selected: empty
    sim::Documents().SelectVertex(doc, obj, 5);
    plugin.SelectMarker(doc, 1, false);
    plugin.SelectMarker(doc, 2, false);  // never stored
    EXPECT_EQ(SelectedVertices(), (std::vector<int>{5}));
}

TEST_F(MarkerRecallTest, IndexOutsideTheListDoesNothing) {
    sim::Documents().SelectVertex(doc, obj, 5);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    plugin.SelectMarker(doc, -1, false);
    plugin.SelectMarker(doc, 3, false);
    EXPECT_EQ(plugin.slots.size(), 3u);
    EXPECT_EQ(SelectedVertices(), (std::vector<int>{5}));
}

TEST_F(MarkerRecallTest, MarkerOfAFaceSelectsItsLinesInEveryFaceThatJoinsTheEnds) {
    sim::Documents().SelectFace(doc, obj, 4);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);

    plugin.SelectMarker(doc, 0, false);
    // The middle quad's four lines, and the neighbours' copies: quad 1's top
    // line (2), quad 5's left line (3), quad 7's bottom line (0), quad 3's
    // right line (1).
    EXPECT_EQ(SelectedLines(),
              (LineList{{1, 2}, {3, 1}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {5, 3}, {7, 0}}));
    EXPECT_TRUE(sim::Documents().SelectedFaces(doc, obj).empty());
    EXPECT_TRUE(SelectedVertices().empty());
}

TEST_F(MarkerRecallTest, LinesOfWideUniqueIdsAreFound) {
    MQObject wide = sim::Documents().AddObject(doc, "wide");
    sim::Documents().SetNextVertexUniqueId(wide, 65536);
    sim::AddQuadGrid(wide, 2, 1);
    sim::Documents().SetCurrentObject(doc, sim::Documents().ObjectIndex(doc, wide));
    sim::Documents().SelectLine(doc, wide, 0, 1);  // shared by quads 0 and 1
    sim::Documents().SelectVertex(doc, wide, 5);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    ASSERT_GE(plugin.slots[0].vertexUniqueIds[0], 65536);
    sim::Documents().ClearSelection(doc);

    plugin.SelectMarker(doc, 0, false);
    EXPECT_EQ(sim::Documents().SelectedLines(doc, wide), (LineList{{0, 1}, {1, 3}}));
    EXPECT_EQ(sim::Documents().SelectedVertices(doc, wide), (std::vector<int>{5}));
}

TEST_F(MarkerRecallTest, LineWhoseEndsNoLongerShareAFaceSelectsNothing) {
    sim::Documents().SelectLine(doc, obj, 0, 0);  // 0 -> 1, only in quad 0
    sim::Documents().SelectLine(doc, obj, 8, 1);  // 11 -> 15, only in quad 8
    sim::Documents().SelectVertex(doc, obj, 0);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);
    sim::Documents().DeleteFace(obj, 0);

    plugin.SelectMarker(doc, 0, false);
    EXPECT_EQ(SelectedVertices(), (std::vector<int>{0}));
    EXPECT_EQ(SelectedLines(), (LineList{{8, 1}}));
}

TEST_F(MarkerRecallTest, MarkerSurvivesCompaction) {
    sim::Documents().SelectFace(doc, obj, 4);
    sim::Documents().SelectLine(doc, obj, 8, 1);
    sim::Documents().SelectVertex(doc, obj, 6);
    sim::Documents().SelectVertex(doc, obj, 13);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().ClearSelection(doc);
    plugin.SelectMarker(doc, 0, false);
    const auto vertexIds = SelectedVertexIds();
    const auto lineEnds = SelectedLineEnds();
    ASSERT_EQ(lineEnds.size(), 9u);

    // Vertex 0 goes with quad 0, quad 2 goes alone: everything after them is
    // renumbered.
    sim::Documents().DeleteVertex(obj, 0);
    sim::Documents().DeleteFace(obj, 2);
    sim::Documents().Compact(obj);
    ASSERT_NE(sim::Documents().VertexIndex(obj, plugin.slots[0].vertexUniqueIds[0]), 6);

    sim::Documents().ClearSelection(doc);
    plugin.SelectMarker(doc, 0, false);
    EXPECT_EQ(SelectedVertexIds(), vertexIds);
    EXPECT_EQ(SelectedLineEnds(), lineEnds);
}

TEST_F(MarkerRecallTest, DeletedElementsDropOutAndTheRestComesBack) {
    sim::Documents().SelectLine(doc, obj, 8, 1);  // 11 -> 15
    sim::Documents().SelectLine(doc, obj, 0, 0);  // 0 -> 1
    sim::Documents().SelectVertex(doc, obj, 0);
    sim::Documents().SelectVertex(doc, obj, 6);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    const EdgeKey farLine = MakeEdgeKey(Uid(obj, 11), Uid(obj, 15));
    const int middleVertex = Uid(obj, 6);
    sim::Documents().ClearSelection(doc);
    sim::Documents().DeleteVertex(obj, 0);
    sim::Documents().Compact(obj);

    plugin.SelectMarker(doc, 0, false);
    EXPECT_EQ(SelectedVertexIds(), (std::multiset<int>{middleVertex}));
    EXPECT_EQ(SelectedLineEnds(), (std::multiset<EdgeKey>{farLine}));
}

TEST_F(MarkerRecallTest, MarkerWhoseObjectIsGoneChangesNothing) {
    MQObject other = sim::Documents().AddObject(doc, "other");
    sim::AddQuadGrid(other, 1, 1);
    sim::Documents().SetCurrentObject(doc, sim::Documents().ObjectIndex(doc, other));
    sim::Documents().SelectVertex(doc, other, 2);
    ASSERT_EQ(plugin.StoreMarker(doc, 0, false), 1);
    sim::Documents().SelectVertex(doc, obj, 5);
    sim::Documents().DeleteObject(doc, other);

    plugin.SelectMarker(doc, 0, false);
    plugin.SelectMarker(doc, 0, true);
    EXPECT_EQ(SelectedVertices(), (std::vector<int>{5}));
}

}  // namespace
