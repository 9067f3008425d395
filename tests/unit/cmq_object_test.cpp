// The mesh view against the simulated host: element ranges, line wrapping,
// corner normals, and the line look-ups the markers rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "cmq/cmq_object.h"
#include "cmq/cmq_object_lists.h"
#include "tests/unit/host_table_fixture.h"
#include "tests/unit/station_under_test.h"

namespace {

using cmq::CMQObject;
using cmq::Line;
using cmq::LineKey;
using cmq::MakeLineKey;
using LineSet = std::unordered_set<LineKey>;

class MeshViewTest : public HostTableTest {
protected:
    void SetUp() override {
        HostTableTest::SetUp();
        obj = sim::Documents().AddObject(doc, "mesh");
        view = CMQObject(obj, doc);
    }

    // The unit square (0,0,0) (1,0,0) (1,1,0) (0,1,0) as one face; its index.
    int AddSquare() {
        auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
        return sim::Documents().AddFace(obj, v);
    }

    MQObject obj = nullptr;
    CMQObject view;
};

std::vector<int> VertexIndices(const CMQObject& view) {
    std::vector<int> indices;
    for (const auto& vertex : view.Vertices()) indices.push_back(vertex->index);
    return indices;
}

std::vector<int> FaceIndices(const CMQObject& view) {
    std::vector<int> indices;
    for (const auto& face : view.Faces()) indices.push_back(face->index);
    return indices;
}

TEST_F(MeshViewTest, VertexRangeSkipsAVertexNoFaceUses) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {5, 5, 5}, {1, 1, 0}, {0, 1, 0}});
    sim::Documents().AddFace(obj, {v[0], v[1], v[3]});
    sim::Documents().AddFace(obj, {v[0], v[3], v[4]});
    EXPECT_EQ(VertexIndices(view), (std::vector<int>{0, 1, 3, 4}));
}

TEST_F(MeshViewTest, VertexRecordsCarryTheirPositions) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 2, 3}, {0, 1, 0}});
    sim::Documents().AddFace(obj, v);
    std::vector<cmq::Vec3> positions;
    for (const auto& vertex : view.Vertices()) positions.push_back(vertex->position);
    ASSERT_EQ(positions.size(), 3u);
    EXPECT_EQ(positions[1], (cmq::Vec3{1, 2, 3}));
}

TEST_F(MeshViewTest, FaceRangeSkipsAFaceWithoutPoints) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    sim::Documents().AddFace(obj, {v[0], v[1], v[2]});
    sim::Documents().AddFace(obj, {v[0], v[2], v[3]});
    sim::Documents().AddFace(obj, {v[1], v[2], v[3]});
    sim::Documents().DeleteFace(obj, 1);
    EXPECT_EQ(FaceIndices(view), (std::vector<int>{0, 2}));
}

TEST_F(MeshViewTest, RangesOfAnEmptyObjectOrNoObjectAreEmpty) {
    EXPECT_TRUE(VertexIndices(view).empty());
    EXPECT_TRUE(FaceIndices(view).empty());
    EXPECT_TRUE(VertexIndices(CMQObject(nullptr, doc)).empty());
    EXPECT_TRUE(FaceIndices(CMQObject(nullptr, doc)).empty());
}

TEST_F(MeshViewTest, GetLineWrapsInBothDirections) {
    const int f = AddSquare();
    EXPECT_EQ(cmq::GetLine(view, f, 0), (Line{0, 1}));
    EXPECT_EQ(cmq::GetLine(view, f, 3), (Line{3, 0}));
    EXPECT_EQ(cmq::GetLine(view, f, -1), (Line{3, 0}));
    EXPECT_EQ(cmq::GetLine(view, f, 4), (Line{0, 1}));
    EXPECT_EQ(cmq::GetLine(view, f, -6), (Line{2, 3}));
}

TEST_F(MeshViewTest, CornerNormalOfATriangle) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    const int f = sim::Documents().AddFace(obj, v);
    EXPECT_EQ(cmq::GetCornerNormal(view, f, 0), (cmq::Vec3{0, 0, -1}));
}

TEST_F(MeshViewTest, CornerNormalOfASquare) {
    const int f = AddSquare();
    EXPECT_EQ(cmq::GetCornerNormal(view, f, 0), (cmq::Vec3{0, 0, -1}));
    EXPECT_EQ(cmq::GetCornerNormal(view, f, 2), (cmq::Vec3{0, 0, -1}));
}

TEST_F(MeshViewTest, CornerNormalOfAQuadIsNotNormalised) {
    auto v = AddVertices(obj, {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}});
    const int f = sim::Documents().AddFace(obj, v);
    // E1 = (2,0,0), E0 = (0,-2,0), E2 = (0,2,0): T = (0,-2,0), E1 x T = (0,0,-4).
    EXPECT_EQ(cmq::GetCornerNormal(view, f, 0), (cmq::Vec3{0, 0, -4}));
}

TEST_F(MeshViewTest, CornerNormalWrapsInBothDirections) {
    // An uneven quad: every corner has a normal of its own.
    auto v = AddVertices(obj, {{0, 0, 0}, {3, 0, 0}, {2, 2, 0}, {0, 1, 0}});
    const int f = sim::Documents().AddFace(obj, v);
    for (int k = 0; k < 4; ++k) {
        const cmq::Vec3 normal = cmq::GetCornerNormal(view, f, k);
        EXPECT_EQ(cmq::GetCornerNormal(view, f, k - 4), normal) << k;
        EXPECT_EQ(cmq::GetCornerNormal(view, f, k + 4), normal) << k;
        EXPECT_EQ(cmq::GetCornerNormal(view, f, k - 12), normal) << k;
        EXPECT_EQ(cmq::GetCornerNormal(view, f, k + 9 * 4), normal) << k;
    }
    EXPECT_NE(cmq::GetCornerNormal(view, f, 0), cmq::GetCornerNormal(view, f, 1));
}

TEST_F(MeshViewTest, FaceWithoutPointsHasNoLineAndAZeroNormal) {
    const int f = AddSquare();
    sim::Documents().DeleteFace(obj, f);
    EXPECT_EQ(cmq::GetLine(view, f, 0), cmq::kNoLine);
    EXPECT_EQ(cmq::GetLine(view, f, -1), cmq::kNoLine);
    EXPECT_EQ(cmq::GetCornerNormal(view, f, 1), (cmq::Vec3{0, 0, 0}));
    EXPECT_TRUE(cmq::GetFacePoints(view, f).empty());
}

TEST_F(MeshViewTest, LinesBetweenTheEndsOfASharedLineComeFromBothFaces) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    const int first = sim::Documents().AddFace(obj, {v[0], v[1], v[2]});
    const int second = sim::Documents().AddFace(obj, {v[0], v[2], v[3]});
    // Line 2 of the first face runs 2 -> 0, line 0 of the second 0 -> 2.
    EXPECT_EQ(cmq::FindLinesBetween(view, v[0], v[2]),
              (LineSet{MakeLineKey(first, 2), MakeLineKey(second, 0)}));
    EXPECT_EQ(cmq::FindLinesBetween(view, v[2], v[0]), cmq::FindLinesBetween(view, v[0], v[2]));
}

TEST_F(MeshViewTest, DiagonalCornersOfAQuadHaveNoLineBetweenThem) {
    AddSquare();
    EXPECT_TRUE(cmq::FindLinesBetween(view, 0, 2).empty());
    EXPECT_TRUE(cmq::FindLinesBetween(view, 1, 3).empty());
}

TEST_F(MeshViewTest, TwoPointFaceGivesBothItsLines) {
    // Lines are added to the plug-in's drawing objects, never to the user's mesh.
    StationUnderTest station(1, 2);
    MQObject drawing = station.CreateDrawObject(doc, 2);
    CMQObject lines(drawing, doc);
    auto v = AddVertices(drawing, {{0, 0, 0}, {1, 0, 0}});
    const int f = lines.AddLine(v[0], v[1]);
    EXPECT_EQ(cmq::GetFacePoints(lines, f), (std::vector<int>{v[0], v[1]}));
    EXPECT_EQ(cmq::FindLinesBetween(lines, v[1], v[0]),
              (LineSet{MakeLineKey(f, 0), MakeLineKey(f, 1)}));
    station.DeleteDrawObject(doc, drawing);
}

TEST_F(MeshViewTest, OneLineSearchServesEveryPairInTurn) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    const int first = sim::Documents().AddFace(obj, {v[0], v[1], v[2]});
    const int second = sim::Documents().AddFace(obj, {v[0], v[2], v[3]});
    cmq::LineSearch search;
    view.FindLinesBetween(v[0], v[2], search);
    EXPECT_EQ(search.lines, (std::vector<LineKey>{MakeLineKey(first, 2), MakeLineKey(second, 0)}));
    view.FindLinesBetween(v[3], v[2], search);
    EXPECT_EQ(search.lines, (std::vector<LineKey>{MakeLineKey(second, 1)}));
    view.FindLinesBetween(v[1], v[3], search);
    EXPECT_TRUE(search.lines.empty());
}

// Every line of every face, tested against its two ends: the plain reading
// of "the lines joining a and b", faces ascending, lines ascending in a face.
std::vector<LineKey> LinesJoining(const std::vector<std::vector<int>>& faces, int a, int b) {
    std::vector<LineKey> lines;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const std::vector<int>& p = faces[f];
        for (std::size_t k = 0; k < p.size(); ++k) {
            const int start = p[k];
            const int end = p[(k + 1) % p.size()];
            if ((start == a && end == b) || (start == b && end == a))
                lines.push_back(MakeLineKey(static_cast<int>(f), static_cast<int>(k)));
        }
    }
    return lines;
}

TEST_F(MeshViewTest, LineSearchMatchesEveryLineOfOddFacesInOrder) {
    StationUnderTest station(1, 2);
    MQObject drawing = station.CreateDrawObject(doc, 2);
    AddVertices(drawing, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}});
    // Faces whose line joining two vertices is the last one (arriving at the
    // first corner), a point met twice, a line from a point to itself, and
    // 2-point faces both ways round.
    const std::vector<std::vector<int>> faces{{1, 2, 3, 0}, {0, 1, 0, 2},    {2, 2, 4}, {4, 0},
                                              {0, 4},       {3, 1, 2, 3, 0}, {2, 1}};
    for (const std::vector<int>& points : faces) sim::Documents().AddFace(drawing, points);
    const CMQObject odd(drawing, doc);
    cmq::LineSearch search;
    for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) {
            odd.FindLinesBetween(a, b, search);
            EXPECT_EQ(search.lines, LinesJoining(faces, a, b)) << "between " << a << " and " << b;
        }
    }
    // Appending gathers the pairs' lines one after the other.
    odd.FindLinesBetween(0, 1, search);
    odd.AppendLinesBetween(2, 2, search);
    std::vector<LineKey> both = LinesJoining(faces, 0, 1);
    for (LineKey line : LinesJoining(faces, 2, 2)) both.push_back(line);
    EXPECT_EQ(search.lines, both);
    station.DeleteDrawObject(doc, drawing);
}

// The simulated host's MQObj_GetVertexRelatedFaces, answering each list in
// reverse: a host need not list a vertex's faces in any order.
using RelatedFaces = int (*)(MQObject, int, int*);
RelatedFaces g_hostRelatedFaces = nullptr;
int ReversedRelatedFaces(MQObject object, int vertex, int* faces) {
    const int count = g_hostRelatedFaces(object, vertex, faces);
    if (faces != nullptr) std::reverse(faces, faces + count);
    return count;
}

// Adds `faces` (their points as places in `v`) to the view's object, and
// checks the line search between every two vertices of `v` while the host
// lists each vertex's faces in reverse.
void ExpectEveryLineWithFacesReversed(const CMQObject& view, const std::vector<int>& v,
                                      const std::vector<std::vector<int>>& faces) {
    for (const std::vector<int>& points : faces) {
        std::vector<int> mapped;
        for (int p : points) mapped.push_back(v[static_cast<std::size_t>(p)]);
        sim::Documents().AddFace(view.object, mapped);
    }
    auto& entry = host::g_functions[static_cast<int>(host::Fn::MQObj_GetVertexRelatedFaces)];
    g_hostRelatedFaces = reinterpret_cast<RelatedFaces>(entry);
    entry = reinterpret_cast<host::HostProc>(&ReversedRelatedFaces);
    cmq::LineSearch search;
    const int count = static_cast<int>(v.size());
    for (int a = 0; a < count; ++a) {
        for (int b = 0; b < count; ++b) {
            view.FindLinesBetween(v[static_cast<std::size_t>(a)], v[static_cast<std::size_t>(b)],
                                  search);
            EXPECT_EQ(search.lines, LinesJoining(faces, a, b)) << "between " << a << " and " << b;
        }
    }
    entry = reinterpret_cast<host::HostProc>(g_hostRelatedFaces);
}

TEST_F(MeshViewTest, LineSearchSortsFacesAHostListsInAnyOrder) {
    // A fan of four triangles around vertex 0, and a quad that uses the
    // fan's line 0-1 again, with its points listed twice around vertex 1.
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}});
    ExpectEveryLineWithFacesReversed(view, v,
                                     {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 1}, {1, 0, 2, 1, 3}});
}

TEST_F(MeshViewTest, LineSearchAroundAHubOfManyFacesListedInAnyOrder) {
    // A closed fan of 20 triangles around vertex 0, more faces than a vertex
    // mostly has, and one quad that uses the hub's line to vertex 1 again.
    constexpr int kRim = 20;
    // Where the rim lies does not matter to the search.
    std::vector<sim::Vec3> positions{{0, 0, 0}};
    for (int i = 0; i < kRim; ++i) positions.push_back({static_cast<float>(i), 1, 0});
    std::vector<std::vector<int>> faces;
    for (int i = 1; i <= kRim; ++i) faces.push_back({0, i, i % kRim + 1});
    faces.push_back({1, 0, 3, 2});
    ExpectEveryLineWithFacesReversed(view, AddVertices(obj, positions), faces);
}

TEST_F(MeshViewTest, LinesAtAVertexLeaveOutTheOnesToTheNamedNeighbour) {
    const int f = AddSquare();
    // Corner v = 1 with next neighbour u = 2 and previous w = 0.
    EXPECT_EQ(cmq::GetLinesAtVertex(view, 1, cmq::VertexPairKey(1, 2)),
              (LineSet{MakeLineKey(f, 0)}));
    EXPECT_EQ(cmq::GetLinesAtVertex(view, 1, cmq::VertexPairKey(0, 1)),
              (LineSet{MakeLineKey(f, 1)}));
}

TEST_F(MeshViewTest, LinesAtAVertexWithNoNeighbourNamedAreAllOfThem) {
    auto v = AddVertices(obj, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}});
    const int quad = sim::Documents().AddFace(obj, {v[0], v[1], v[2], v[3]});
    const int line = sim::Documents().AddFace(obj, {v[1], v[4]});
    EXPECT_EQ(cmq::GetLinesAtVertex(view, v[1], cmq::VertexPairKey(-1, v[1])),
              (LineSet{MakeLineKey(quad, 0), MakeLineKey(quad, 1), MakeLineKey(line, 0)}));
    // The 2-point face whose pair is the key itself is left out.
    EXPECT_EQ(cmq::GetLinesAtVertex(view, v[1], cmq::VertexPairKey(v[4], v[1])),
              (LineSet{MakeLineKey(quad, 0), MakeLineKey(quad, 1)}));
}

TEST_F(MeshViewTest, CurrentObjectAndUniqueIdLookUps) {
    EXPECT_EQ(CMQObject::FromCurrentObject(doc).object, obj);
    const int uid = sim::Documents().ObjectUniqueId(obj);
    EXPECT_EQ(view.UniqueId(), uid);
    EXPECT_EQ(CMQObject::FromUniqueId(doc, uid).object, obj);
    sim::Documents().DeleteObject(doc, obj);
    EXPECT_FALSE(CMQObject::FromUniqueId(doc, uid).IsValid());
}

TEST_F(MeshViewTest, NoCurrentObjectGivesAViewWithoutObject) {
    sim::Documents().Faults().noCurrentObject = true;
    EXPECT_FALSE(CMQObject::FromCurrentObject(doc).IsValid());
    EXPECT_FALSE(CMQObject::FromCurrentObject(nullptr).IsValid());
}

TEST(LineKeyTest, WideFaceAndLineIndicesSurviveTheKey) {
    const LineKey key = MakeLineKey(70000, 65536);
    EXPECT_EQ(key, 0x0001117000010000ull);
    EXPECT_EQ(cmq::LineKeyFace(key), 70000);
    EXPECT_EQ(cmq::LineKeyLine(key), 65536);
}

}  // namespace
