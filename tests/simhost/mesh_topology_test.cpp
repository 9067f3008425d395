// Objects and meshes of the simulated host: unique ids, reference counts and
// related faces after edits, deletion slots and compaction.
#include <algorithm>
#include <cmath>
#include <vector>

#include "simhost/documents/mesh_builders.h"
#include "tests/simhost/document_test_support.h"

namespace {

using sim::Vec3;

std::vector<int> RelatedFacesThroughHost(MQObject obj, int vertex) {
    std::vector<int> faces(MQObj_GetVertexRelatedFaces(obj, vertex, nullptr));
    if (!faces.empty()) MQObj_GetVertexRelatedFaces(obj, vertex, faces.data());
    return faces;
}

std::vector<int> FacePointsThroughHost(MQObject obj, int face) {
    std::vector<int> points(MQObj_GetFacePointCount(obj, face));
    if (!points.empty()) MQObj_GetFacePointArray(obj, face, points.data());
    return points;
}

using MeshTopology = DocumentTest;

TEST_F(MeshTopology, VerticesGetDistinctUniqueIdsThatLeadBack) {
    const int a = model.AddVertex(obj, {0, 0, 0});
    const int b = model.AddVertex(obj, {1, 0, 0});
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    const int idA = MQObj_GetVertexUniqueID(obj, a);
    const int idB = MQObj_GetVertexUniqueID(obj, b);
    EXPECT_NE(idA, idB);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, idA), a);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, idB), b);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, idB + 100), -1);
}

TEST_F(MeshTopology, ReferenceCountsAndRelatedFacesFollowTheFaces) {
    // Two triangles sharing the line 1-2; vertex 4 used by none.
    for (int i = 0; i < 5; ++i) model.AddVertex(obj, {float(i), 0, 0});
    const int f0 = model.AddFace(obj, {0, 1, 2});
    const int f1 = model.AddFace(obj, {2, 1, 3});
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, 0), 1);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, 1), 2);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, 4), 0);
    EXPECT_EQ(RelatedFacesThroughHost(obj, 2), (std::vector<int>{f0, f1}));
    EXPECT_EQ(RelatedFacesThroughHost(obj, 3), (std::vector<int>{f1}));
    EXPECT_TRUE(RelatedFacesThroughHost(obj, 4).empty());
    EXPECT_EQ(FacePointsThroughHost(obj, f1), (std::vector<int>{2, 1, 3}));
}

TEST_F(MeshTopology, DeletedFaceLeavesAnEmptySlot) {
    for (int i = 0; i < 4; ++i) model.AddVertex(obj, {float(i), 0, 0});
    model.AddFace(obj, {0, 1, 2});
    model.AddFace(obj, {2, 1, 3});
    model.DeleteFace(obj, 0);
    EXPECT_EQ(MQObj_GetFaceCount(obj), 2);
    EXPECT_EQ(MQObj_GetFacePointCount(obj, 0), 0);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, 0), 0);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, 1), 1);
    EXPECT_EQ(RelatedFacesThroughHost(obj, 2), (std::vector<int>{1}));
    EXPECT_EQ(MQObj_GetVertexCount(obj), 4);  // vertex 0 stays, unused
    EXPECT_NE(MQObj_GetVertexUniqueID(obj, 0), -1);
}

TEST_F(MeshTopology, DeletedVertexTakesItsFacesAndItsUniqueId) {
    sim::GridInfo grid = sim::AddQuadGrid(obj, 2, 1);  // 6 vertices, 2 faces sharing the line 1-4
    const int shared = grid.VertexAt(1, 0);
    const int corner = grid.VertexAt(0, 0);
    const int cornerId = MQObj_GetVertexUniqueID(obj, corner);
    model.DeleteVertex(obj, corner);
    EXPECT_EQ(MQObj_GetVertexCount(obj), 6);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, corner), 0);
    EXPECT_EQ(MQObj_GetVertexUniqueID(obj, corner), -1);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, cornerId), -1);
    EXPECT_EQ(MQObj_GetFacePointCount(obj, grid.FaceAt(0, 0)), 0);
    EXPECT_EQ(MQObj_GetFacePointCount(obj, grid.FaceAt(1, 0)), 4);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, shared), 1);
    EXPECT_EQ(RelatedFacesThroughHost(obj, shared), (std::vector<int>{grid.FaceAt(1, 0)}));
}

TEST_F(MeshTopology, CompactionRenumbersAndKeepsUniqueIds) {
    sim::GridInfo grid = sim::AddQuadGrid(obj, 2, 1);
    std::vector<int> ids;
    for (int v = 0; v < grid.VertexCount(); ++v) ids.push_back(MQObj_GetVertexUniqueID(obj, v));
    model.AddVertex(obj, {9, 9, 9});  // unused, kept by compaction
    const int unusedId = MQObj_GetVertexUniqueID(obj, 6);
    model.DeleteVertex(obj, grid.VertexAt(0, 0));

    model.Compact(obj);

    ASSERT_EQ(MQObj_GetVertexCount(obj), 6);
    ASSERT_EQ(MQObj_GetFaceCount(obj), 1);
    for (int old = 1; old < 6; ++old)
        EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, ids[old]), old - 1);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, ids[0]), -1);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, unusedId), 5);
    // The surviving face (1, 2, 5, 4) in new numbering.
    EXPECT_EQ(FacePointsThroughHost(obj, 0), (std::vector<int>{0, 1, 4, 3}));
    EXPECT_EQ(RelatedFacesThroughHost(obj, 0), (std::vector<int>{0}));
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, 2), 0);  // old vertex 3 lost its only face
    float xyz[3] = {};
    MQObj_GetVertex(obj, 0, xyz);
    EXPECT_EQ(xyz[0], 1.0f);
}

TEST_F(MeshTopology, UniqueIdsAreNeverReused) {
    const int first = model.AddVertex(obj, {0, 0, 0});
    const int firstId = model.VertexUniqueId(obj, first);
    model.DeleteVertex(obj, first);
    model.Compact(obj);
    const int next = model.AddVertex(obj, {0, 0, 0});
    EXPECT_EQ(next, 0);
    EXPECT_GT(model.VertexUniqueId(obj, next), firstId);
}

TEST_F(MeshTopology, WideUniqueIdsCanBeProvoked) {
    model.SetNextVertexUniqueId(obj, 70000);
    const int v = model.AddVertex(obj, {0, 0, 0});
    EXPECT_EQ(MQObj_GetVertexUniqueID(obj, v), 70000);
    EXPECT_EQ(MQObj_GetVertexIndexFromUniqueID(obj, 70000), v);
}

TEST_F(MeshTopology, HostFunctionsEditAndReadGeometry) {
    // The host's edit functions serve drawing objects; its queries serve both kinds.
    MQObject drawing = SendCreateDrawObject(doc, 2);
    const float a[3] = {1, 2, 3}, b[3] = {4, 5, 6};
    const int va = MQObj_AddVertex(drawing, a);
    const int vb = MQObj_AddVertex(drawing, b);
    const int points[] = {va, vb};
    const int face = MQObj_AddFace(drawing, 2, points);
    EXPECT_EQ(face, 0);
    float xyz[3] = {};
    MQObj_GetVertex(drawing, vb, xyz);
    EXPECT_EQ(xyz[0], 4.0f);
    EXPECT_EQ(xyz[1], 5.0f);
    EXPECT_EQ(xyz[2], 6.0f);
    EXPECT_EQ(MQObj_GetVertexRefCount(drawing, va), 1);
    model.SetVertexPosition(drawing, va, {7, 8, 9});
    MQObj_GetVertex(drawing, va, xyz);
    EXPECT_EQ(xyz[2], 9.0f);
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(MeshTopology, ClosedGridSharesEveryLineBetweenTwoFaces) {
    sim::GridInfo grid = sim::AddClosedGrid(obj, 4, 3);
    ASSERT_EQ(MQObj_GetVertexCount(obj), 12);
    ASSERT_EQ(MQObj_GetFaceCount(obj), 12);
    for (int v = 0; v < 12; ++v) EXPECT_EQ(MQObj_GetVertexRefCount(obj, v), 4);
    for (int f = 0; f < grid.FaceCount(); ++f) {
        std::vector<int> p = FacePointsThroughHost(obj, f);
        for (int k = 0; k < 4; ++k) {
            int a = p[k], b = p[(k + 1) % 4], sharing = 0;
            for (int g : RelatedFacesThroughHost(obj, a)) {
                std::vector<int> q = FacePointsThroughHost(obj, g);
                for (int j = 0; j < 4; ++j)
                    if ((q[j] == a && q[(j + 1) % 4] == b) || (q[j] == b && q[(j + 1) % 4] == a))
                        ++sharing;
            }
            EXPECT_EQ(sharing, 2) << "face " << f << " line " << k;
        }
    }
}

TEST_F(MeshTopology, OpenGridAndSingleFaces) {
    sim::GridInfo grid = sim::AddQuadGrid(obj, 3, 2);
    EXPECT_EQ(MQObj_GetVertexCount(obj), 12);
    EXPECT_EQ(MQObj_GetFaceCount(obj), 6);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, grid.VertexAt(1, 1)), 4);
    EXPECT_EQ(MQObj_GetVertexRefCount(obj, grid.VertexAt(0, 0)), 1);
    EXPECT_EQ(FacePointsThroughHost(obj, grid.FaceAt(2, 1)),
              (std::vector<int>{grid.VertexAt(2, 1), grid.VertexAt(3, 1), grid.VertexAt(3, 2),
                                grid.VertexAt(2, 2)}));
    const int tri = sim::AddTriangle(obj, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const int quad = sim::AddQuad(obj, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
    EXPECT_EQ(FacePointsThroughHost(obj, tri), (std::vector<int>{12, 13, 14}));
    EXPECT_EQ(FacePointsThroughHost(obj, quad), (std::vector<int>{15, 16, 17, 18}));
}

using DocumentObjects = DocumentTest;

TEST_F(DocumentObjects, FirstObjectIsCurrentAndObjectsAreFoundByUniqueId) {
    MQObject second = model.AddObject(doc, "obj2");
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(doc), 0);
    EXPECT_EQ(MQDoc_GetObject(doc, 1), second);
    const int id = MQObj_GetIntValue(second, 260);
    EXPECT_NE(id, MQObj_GetIntValue(obj, 260));
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(doc, id), second);
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(doc, id + 1000), nullptr);
    EXPECT_EQ(MQDoc_GetObjectIndex(doc, second), 1);
    model.SetCurrentObject(doc, 1);
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(doc), 1);
    EXPECT_EQ(model.ObjectName(second), "obj2");
}

TEST_F(DocumentObjects, ObjectInAnotherDocumentIsNotFound) {
    MQDocument other = model.NewDocument();
    MQObject foreign = model.AddObject(other, "foreign");
    EXPECT_EQ(MQDoc_GetObjectIndex(doc, foreign), -1);
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(doc, MQObj_GetIntValue(foreign, 260)), nullptr);
    EXPECT_EQ(MQDoc_GetObjectIndex(other, foreign), 0);
}

TEST_F(DocumentObjects, DeletedObjectLeavesItsSlotAndHandsOnCurrent) {
    MQObject second = model.AddObject(doc, "obj2");
    const int firstId = model.ObjectUniqueId(obj);
    model.DeleteObject(doc, obj);
    EXPECT_EQ(model.ObjectCount(doc), 2);
    EXPECT_EQ(MQDoc_GetObject(doc, 0), nullptr);
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(doc, firstId), nullptr);
    EXPECT_EQ(model.ObjectIndex(doc, obj), -1);
    EXPECT_EQ(MQDoc_GetObjectIndex(doc, second), 1);
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(doc), 1);

    model.CompactObjects(doc);
    EXPECT_EQ(model.ObjectCount(doc), 1);
    EXPECT_EQ(MQDoc_GetObjectIndex(doc, second), 0);
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(doc), 0);
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(doc, model.ObjectUniqueId(second)), second);
}

TEST_F(DocumentObjects, EmptyDocumentHasNoCurrentObject) {
    MQDocument empty = model.NewDocument();
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(empty), -1);
    EXPECT_EQ(MQDoc_GetObject(empty, -1), nullptr);
}

TEST_F(DocumentObjects, NoCurrentObjectFault) {
    model.Faults().noCurrentObject = true;
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(doc), -1);
    EXPECT_EQ(MQDoc_GetObject(doc, MQDoc_GetCurrentObjectIndex(doc)), nullptr);
}

TEST_F(DocumentObjects, VisibilityIsTheObjects) {
    EXPECT_EQ(MQObj_GetVisible(obj), 1);
    model.SetObjectVisible(obj, false);
    EXPECT_EQ(MQObj_GetVisible(obj), 0);
}

TEST_F(DocumentObjects, ObjectUniqueIdsKeepRisingAcrossResets) {
    const int before = model.ObjectUniqueId(obj);
    sim::ResetHost();
    MQDocument fresh = model.NewDocument();
    EXPECT_GT(model.ObjectUniqueId(model.AddObject(fresh, "again")), before);
}

TEST_F(DocumentObjects, DumpNamesObjectsFacesAndSelection) {
    sim::AddTriangle(obj, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    model.SelectVertex(doc, obj, 1);
    MQObject drawing = SendCreateDrawObject(doc, 3);
    const float red[3] = {1, 0, 0};
    MQObj_SetFloatArray(drawing, 513, red);
    model.NewScene(doc, {1, 1, 0, 0, 0});
    const std::string dump = model.Dump();
    SendDeleteDrawObject(doc, drawing);
    EXPECT_NE(dump.find("visibility 3, instant 0, colour 1 0 0"), std::string::npos) << dump;
    EXPECT_NE(dump.find("show_vertex 1, show_line 1"), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"obj1\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("face 0: 0 1 2"), std::string::npos) << dump;
    EXPECT_NE(dump.find("selected vertices [1]"), std::string::npos) << dump;
}

}  // namespace

namespace {

sim::Vec3 Minus(sim::Vec3 a, sim::Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(sim::Vec3 a, sim::Vec3 b) {
    return double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z;
}

// The side a face's front looks to: the host's front is the side from which
// its points run clockwise.
sim::Vec3 FrontNormal(sim::Vec3 a, sim::Vec3 b, sim::Vec3 c) {
    const sim::Vec3 u = Minus(c, a), v = Minus(b, a);
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

// Faces of `obj` whose front does not look away from `inside(centre)`, the
// point inside the solid nearest the face's centre.
template <typename Inside>
std::vector<int> FacesTurnedIn(const sim::DocumentModel& model, MQObject obj, int faces,
                               Inside inside) {
    std::vector<int> turnedIn;
    for (int f = 0; f < faces; ++f) {
        const std::vector<int> points = model.FacePoints(obj, f);
        sim::Vec3 centre{0, 0, 0};
        for (int p : points) {
            const sim::Vec3 at = model.VertexPosition(obj, p);
            centre = {centre.x + at.x / points.size(), centre.y + at.y / points.size(),
                      centre.z + at.z / points.size()};
        }
        const sim::Vec3 front =
            FrontNormal(model.VertexPosition(obj, points[0]), model.VertexPosition(obj, points[1]),
                        model.VertexPosition(obj, points[2]));
        if (Dot(front, Minus(centre, inside(centre))) <= 0) turnedIn.push_back(f);
    }
    return turnedIn;
}

// The built-in closed meshes face out, as OBJ files do: a modeler looking
// at a marker's normal lines would otherwise see them point into the solid.
TEST_F(MeshTopology, BuiltInClosedMeshesFaceOutward) {
    sim::AddCube(obj, 2.0f);
    EXPECT_EQ(FacesTurnedIn(model, obj, 6,
                            [](sim::Vec3) {
                                return sim::Vec3{0, 0, 0};
                            }),
              std::vector<int>{});
    MQObject torus = model.AddObject(doc, "torus");
    const sim::GridInfo grid = sim::AddClosedGrid(torus, 12, 8);
    // Inside the tube: the point of the ring (radius 3) under the face.
    const auto ring = [](sim::Vec3 at) {
        const double length = std::hypot(at.x, at.y);
        return sim::Vec3{static_cast<float>(3 * at.x / length),
                         static_cast<float>(3 * at.y / length), 0};
    };
    EXPECT_EQ(FacesTurnedIn(model, torus, grid.FaceCount(), ring), std::vector<int>{});
}

}  // namespace
