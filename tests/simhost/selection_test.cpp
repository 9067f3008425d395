// Selection of the simulated host: per object, by index, cleared by kind, and
// kept in step with deletion and compaction.
#include "simhost/documents/mesh_builders.h"
#include "tests/simhost/document_test_support.h"

namespace {

using Selection = DocumentTest;
using Lines = std::vector<std::pair<int, int>>;

TEST_F(Selection, HostFunctionsSelectAndAnswer) {
    sim::GridInfo grid = sim::AddQuadGrid(obj, 2, 2);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 4), 0);
    EXPECT_NE(MQDoc_AddSelectVertex(doc, 0, 4), 0);
    EXPECT_NE(MQDoc_AddSelectLine(doc, 0, grid.FaceAt(1, 1), 3), 0);
    model.SelectFace(doc, obj, grid.FaceAt(0, 1));
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 4), 1);
    EXPECT_EQ(MQDoc_IsSelectLine(doc, 0, grid.FaceAt(1, 1), 3), 1);
    EXPECT_EQ(MQDoc_IsSelectLine(doc, 0, grid.FaceAt(1, 1), 2), 0);
    EXPECT_EQ(MQDoc_IsSelectFace(doc, 0, grid.FaceAt(0, 1)), 1);
    EXPECT_EQ(model.SelectedVertices(doc, obj), (std::vector<int>{4}));
    EXPECT_EQ(model.SelectedLines(doc, obj), (Lines{{grid.FaceAt(1, 1), 3}}));
    EXPECT_EQ(model.SelectedFaces(doc, obj), (std::vector<int>{grid.FaceAt(0, 1)}));
}

TEST_F(Selection, ListingsAreSorted) {
    sim::AddQuadGrid(obj, 2, 2);
    for (int v : {7, 2, 5}) model.SelectVertex(doc, obj, v);
    model.SelectLine(doc, obj, 3, 1);
    model.SelectLine(doc, obj, 1, 2);
    model.SelectLine(doc, obj, 1, 0);
    EXPECT_EQ(model.SelectedVertices(doc, obj), (std::vector<int>{2, 5, 7}));
    EXPECT_EQ(model.SelectedLines(doc, obj), (Lines{{1, 0}, {1, 2}, {3, 1}}));
}

TEST_F(Selection, EachObjectHasItsOwn) {
    MQObject second = model.AddObject(doc, "obj2");
    sim::AddTriangle(obj, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    sim::AddTriangle(second, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    MQDoc_AddSelectVertex(doc, 1, 2);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 1, 2), 1);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 2), 0);
    EXPECT_TRUE(model.SelectedVertices(doc, obj).empty());
}

TEST_F(Selection, ClearSelectSevenClearsAllThreeKindsInEveryObject) {
    MQObject second = model.AddObject(doc, "obj2");
    sim::AddQuadGrid(obj, 1, 1);
    sim::AddQuadGrid(second, 1, 1);
    model.SelectVertex(doc, obj, 0);
    model.SelectLine(doc, obj, 0, 0);
    model.SelectFace(doc, second, 0);
    EXPECT_NE(MQDoc_ClearSelect(doc, 7), 0);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 0), 0);
    EXPECT_EQ(MQDoc_IsSelectLine(doc, 0, 0, 0), 0);
    EXPECT_EQ(MQDoc_IsSelectFace(doc, 1, 0), 0);
}

TEST_F(Selection, ClearSelectFlagBitsNameTheKinds) {
    sim::AddQuadGrid(obj, 1, 1);
    auto selectAll = [&] {
        model.SelectVertex(doc, obj, 0);
        model.SelectLine(doc, obj, 0, 0);
        model.SelectFace(doc, obj, 0);
    };
    selectAll();
    MQDoc_ClearSelect(doc, 1);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 0), 0);
    EXPECT_EQ(MQDoc_IsSelectLine(doc, 0, 0, 0), 1);
    EXPECT_EQ(MQDoc_IsSelectFace(doc, 0, 0), 1);
    selectAll();
    MQDoc_ClearSelect(doc, 2);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 0), 1);
    EXPECT_EQ(MQDoc_IsSelectLine(doc, 0, 0, 0), 0);
    selectAll();
    MQDoc_ClearSelect(doc, 4);
    EXPECT_EQ(MQDoc_IsSelectLine(doc, 0, 0, 0), 1);
    EXPECT_EQ(MQDoc_IsSelectFace(doc, 0, 0), 0);
}

TEST_F(Selection, DeletedElementsLeaveTheSelection) {
    sim::GridInfo grid = sim::AddQuadGrid(obj, 2, 1);
    model.SelectFace(doc, obj, 0);
    model.SelectLine(doc, obj, 0, 2);
    model.SelectLine(doc, obj, 1, 3);
    model.SelectVertex(doc, obj, grid.VertexAt(0, 0));
    model.DeleteVertex(obj, grid.VertexAt(0, 0));  // takes face 0 along
    EXPECT_TRUE(model.SelectedVertices(doc, obj).empty());
    EXPECT_TRUE(model.SelectedFaces(doc, obj).empty());
    EXPECT_EQ(model.SelectedLines(doc, obj), (Lines{{1, 3}}));
    model.DeleteFace(obj, 1);
    EXPECT_TRUE(model.SelectedLines(doc, obj).empty());
}

TEST_F(Selection, DeletedVertexCannotBeSelected) {
    model.AddVertex(obj, {0, 0, 0});
    model.DeleteVertex(obj, 0);
    EXPECT_EQ(MQDoc_AddSelectVertex(doc, 0, 0), 0);
    EXPECT_EQ(MQDoc_IsSelectVertex(doc, 0, 0), 0);
}

TEST_F(Selection, CompactionMovesTheSelectionWithTheElements) {
    sim::GridInfo grid = sim::AddQuadGrid(obj, 3, 1);  // faces 0, 1, 2
    model.SelectFace(doc, obj, 2);
    model.SelectLine(doc, obj, 2, 1);
    model.SelectVertex(doc, obj, grid.VertexAt(3, 1));  // vertex 7
    model.DeleteFace(obj, 0);
    model.DeleteVertex(obj, grid.VertexAt(0, 0));
    model.Compact(obj);
    EXPECT_EQ(model.SelectedFaces(doc, obj), (std::vector<int>{1}));
    EXPECT_EQ(model.SelectedLines(doc, obj), (Lines{{1, 1}}));
    EXPECT_EQ(model.SelectedVertices(doc, obj), (std::vector<int>{6}));
    EXPECT_EQ(MQDoc_IsSelectFace(doc, 0, 1), 1);
}

TEST_F(Selection, ClearSelectionOfTheTestApi) {
    sim::AddQuadGrid(obj, 1, 1);
    model.SelectFace(doc, obj, 0);
    model.SelectVertex(doc, obj, 3);
    model.ClearSelection(doc);
    EXPECT_TRUE(model.SelectedFaces(doc, obj).empty());
    EXPECT_TRUE(model.SelectedVertices(doc, obj).empty());
}

}  // namespace
