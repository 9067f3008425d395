// Drawing objects (messages 200 and 210) and scene options (message 410) of
// the simulated host, with the faults tests can switch on.
#include "tests/simhost/document_test_support.h"

namespace {

using DrawingObjects = DocumentTest;

TEST_F(DrawingObjects, CreatedObjectStandsApartFromTheDocumentsObjects) {
    MQObject drawing = SendCreateDrawObject(doc, 3);
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(model.ObjectCount(doc), 1);
    EXPECT_EQ(model.ObjectIndex(doc, drawing), -1);
    EXPECT_EQ(MQDoc_GetObjectFromUniqueID(doc, MQObj_GetIntValue(drawing, 260)), nullptr);
    EXPECT_EQ(model.LiveDrawObjectCount(), 1);
    auto infos = model.DrawObjects(doc);
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(infos[0].handle, drawing);
    EXPECT_EQ(infos[0].document, doc);
    EXPECT_EQ(infos[0].visibility, 3);
    EXPECT_EQ(infos[0].instant, 0);
    EXPECT_EQ(infos[0].colorSet, 0);
}

TEST_F(DrawingObjects, FilledWithVerticesLinesAndColour) {
    MQObject drawing = SendCreateDrawObject(doc, 2);
    const float color[3] = {1.0f, 0.0f, 0.5f};
    MQObj_SetFloatArray(drawing, 513, color);
    MQObj_SetIntValue(drawing, 513, 1);
    const float a[3] = {0, 0, 0}, b[3] = {1, 2, 3};
    const int line[2] = {MQObj_AddVertex(drawing, a), MQObj_AddVertex(drawing, b)};
    EXPECT_EQ(MQObj_AddFace(drawing, 2, line), 0);

    auto info = model.DrawObjects(doc).at(0);
    EXPECT_EQ(info.color[0], 1.0f);
    EXPECT_EQ(info.color[2], 0.5f);
    EXPECT_EQ(info.colorSet, 1);
    ASSERT_EQ(info.vertices.size(), 2u);
    EXPECT_EQ(info.vertices[1].z, 3.0f);
    EXPECT_EQ(info.faces, (std::vector<std::vector<int>>{{0, 1}}));
    EXPECT_EQ(MQObj_GetVertexCount(obj), 0);  // the document's object is untouched
    EXPECT_NE(model.Dump().find("drawing object #"), std::string::npos);
}

TEST_F(DrawingObjects, ListedInCreationOrderPerDocument) {
    MQDocument other = model.NewDocument();
    MQObject first = SendCreateDrawObject(doc, 1);
    MQObject elsewhere = SendCreateDrawObject(other, 1);
    MQObject second = SendCreateDrawObject(doc, 2);
    auto infos = model.DrawObjects(doc);
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(infos[0].handle, first);
    EXPECT_EQ(infos[1].handle, second);
    EXPECT_EQ(model.DrawObjects(other).at(0).handle, elsewhere);
    EXPECT_EQ(model.LiveDrawObjectCount(), 3);
}

TEST_F(DrawingObjects, DeleteMessageRemovesIt) {
    MQObject first = SendCreateDrawObject(doc, 1);
    MQObject second = SendCreateDrawObject(doc, 1);
    SendDeleteDrawObject(doc, first);
    auto infos = model.DrawObjects(doc);
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(infos[0].handle, second);
    EXPECT_EQ(model.LiveDrawObjectCount(), 1);
    SendDeleteDrawObject(doc, second);
    EXPECT_EQ(model.LiveDrawObjectCount(), 0);
}

TEST_F(DrawingObjects, RefusalFaultLeavesResultNull) {
    model.Faults().refuseDrawObjects = true;
    EXPECT_EQ(SendCreateDrawObject(doc, 3), nullptr);
    EXPECT_EQ(model.LiveDrawObjectCount(), 0);
}

TEST_F(DrawingObjects, RefusalAfterACountOfObjects) {
    model.Faults().drawObjectsBeforeRefusal = 1;
    EXPECT_NE(SendCreateDrawObject(doc, 3), nullptr);
    EXPECT_EQ(SendCreateDrawObject(doc, 3), nullptr);
    SendDeleteDrawObject(doc, model.DrawObjects(doc).at(0).handle);
}

TEST_F(DrawingObjects, UnloadCheckReportsEveryLiveObject) {
    SendCreateDrawObject(doc, 1);
    MQObject gone = SendCreateDrawObject(doc, 1);
    SendDeleteDrawObject(doc, gone);
    model.CheckAfterUnload();
    ExpectViolation({"plug-in unloaded", "drawing object #", "document #1", "still alive"});
}

TEST_F(DrawingObjects, ResetDropsThemAll) {
    SendCreateDrawObject(doc, 1);
    sim::ResetHost();
    EXPECT_EQ(model.LiveDrawObjectCount(), 0);
    doc = model.NewDocument();
}

using Scenes = DocumentTest;

TEST_F(Scenes, SceneAnswersItsFiveOptions) {
    MQScene scene = model.NewScene(doc, {1, 0, 1, 1, 0});
    EXPECT_EQ(SendSceneOption(scene), (std::vector<int>{1, 0, 1, 1, 0}));
    model.SetSceneOptions(scene, {0, 1, 0, 0, 1});
    EXPECT_EQ(SendSceneOption(scene), (std::vector<int>{0, 1, 0, 0, 1}));
}

TEST_F(Scenes, SilentSceneFillsNothing) {
    MQScene scene = model.NewScene(doc, {1, 1, 1, 1, 1});
    model.Faults().silentScenes = true;
    EXPECT_EQ(SendSceneOption(scene, 0), (std::vector<int>{0, 0, 0, 0, 0}));
}

}  // namespace
