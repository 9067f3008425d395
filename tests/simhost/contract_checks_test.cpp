// The simulated host's checks of the plug-in's calls: every bad handle, index
// and pointer is reported with what went wrong where, and never followed.
#include <cstdint>
#include <functional>
#include <string>

#include "simhost/documents/mesh_builders.h"
#include "simhost/settings/settings_model.h"
#include "tests/simhost/document_test_support.h"

namespace {

using ContractChecks = DocumentTest;

template <typename Handle>
Handle Forged(std::uintptr_t value) {
    return reinterpret_cast<Handle>(value);
}

TEST_F(ContractChecks, NullObjectHandle) {
    EXPECT_EQ(MQObj_GetVertexCount(nullptr), 0);
    ExpectViolation({"MQObj_GetVertexCount: ", "null object handle"});
}

TEST_F(ContractChecks, NullDocumentHandle) {
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(nullptr), -1);
    ExpectViolation({"MQDoc_GetCurrentObjectIndex: ", "null document handle"});
}

TEST_F(ContractChecks, StaleObjectHandleOfADeletedObject) {
    model.AddVertex(obj, {0, 0, 0});
    model.DeleteObject(doc, obj);
    float xyz[3] = {};
    MQObj_GetVertex(obj, 0, xyz);
    ExpectViolation({"MQObj_GetVertex: ", "stale object handle", "the object was deleted"});
    EXPECT_EQ(MQDoc_GetObjectIndex(doc, obj), -1);
    ExpectViolation({"MQDoc_GetObjectIndex: ", "stale object handle"});
}

TEST_F(ContractChecks, StaleHandlesFromBeforeAReset) {
    MQDocument oldDoc = doc;
    MQObject oldObj = obj;
    sim::ResetHost();
    MQObj_GetVisible(oldObj);
    ExpectViolation({"MQObj_GetVisible: ", "stale object handle", "before the host was reset"});
    MQDoc_ClearSelect(oldDoc, 7);
    ExpectViolation({"MQDoc_ClearSelect: ", "stale document handle"});
    doc = model.NewDocument();
}

TEST_F(ContractChecks, WrongKindOfHandle) {
    MQObj_GetFaceCount(Forged<MQObject>(reinterpret_cast<std::uintptr_t>(doc)));
    ExpectViolation(
        {"MQObj_GetFaceCount: ", "document handle where a", "object handle is expected"});
    MQScene scene = model.NewScene(doc, {});
    MQDoc_GetObject(Forged<MQDocument>(reinterpret_cast<std::uintptr_t>(scene)), 0);
    ExpectViolation({"MQDoc_GetObject: ", "scene handle where a document handle is expected"});
}

// Documents, objects, scenes and settings elements share one table of
// handles, so a handle of one kind passed as another is named for what it is.
TEST_F(ContractChecks, SettingsElementAndDocumentHandlesAreToldApart) {
    MQXmlElement settings = sim::Settings().PluginSettingsHandle();
    MQObj_GetVisible(Forged<MQObject>(reinterpret_cast<std::uintptr_t>(settings)));
    ExpectViolation({"MQObj_GetVisible: ", "element handle where a", "object handle is expected"});
    void* record[2] = {const_cast<char*>("PosX"), nullptr};
    sim::Settings().ElementValue(Forged<MQXmlElement>(reinterpret_cast<std::uintptr_t>(doc)), 0x201,
                                 record);
    ExpectViolation({"MQXmlElem_Value(513): ", "document handle where an element is expected"});
    EXPECT_EQ(record[1], nullptr);
}

TEST_F(ContractChecks, UnknownHandleIsNotFollowed) {
    MQObj_GetVertexCount(Forged<MQObject>(0xDEADBEEF));
    ExpectViolation({"MQObj_GetVertexCount: ", "unknown object handle"});
    int faces[4];
    MQObj_GetVertexRelatedFaces(Forged<MQObject>(0x10), 0, faces);
    ExpectViolation({"MQObj_GetVertexRelatedFaces: ", "unknown object handle"});
}

TEST_F(ContractChecks, VertexIndexOutOfRange) {
    sim::AddTriangle(obj, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    float xyz[3] = {};
    MQObj_GetVertex(obj, 3, xyz);
    ExpectViolation(
        {"MQObj_GetVertex: ", "vertex index 3 out of range", "\"obj1\"", "has 3 vertices"});
    MQObj_GetVertexRefCount(obj, -1);
    ExpectViolation({"MQObj_GetVertexRefCount: ", "vertex index -1 out of range"});
    MQObj_GetVertexRelatedFaces(obj, 7, nullptr);
    ExpectViolation({"MQObj_GetVertexRelatedFaces: ", "vertex index 7"});
    MQDoc_AddSelectVertex(doc, 0, -1);
    ExpectViolation({"MQDoc_AddSelectVertex: ", "vertex index -1 out of range"});
}

TEST_F(ContractChecks, FaceAndLineIndicesOutOfRange) {
    sim::AddQuad(obj, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
    MQObj_GetFacePointCount(obj, 1);
    ExpectViolation({"MQObj_GetFacePointCount: ", "face index 1 out of range", "has 1 faces"});
    MQDoc_IsSelectFace(doc, 0, -2);
    ExpectViolation({"MQDoc_IsSelectFace: ", "face index -2"});
    MQDoc_IsSelectLine(doc, 0, 0, 4);
    ExpectViolation({"MQDoc_IsSelectLine: ", "line index 4 out of range", "face 0", "has 4 lines"});
    MQDoc_AddSelectLine(doc, 0, 0, -1);
    ExpectViolation({"MQDoc_AddSelectLine: ", "line index -1"});
    model.DeleteFace(obj, 0);
    MQDoc_IsSelectLine(doc, 0, 0, 0);
    ExpectViolation({"MQDoc_IsSelectLine: ", "line index 0 out of range", "has 0 lines"});
}

TEST_F(ContractChecks, ObjectIndexOutOfRangeOrDeleted) {
    MQDoc_IsSelectVertex(doc, 5, 0);
    ExpectViolation({"MQDoc_IsSelectVertex: ", "object index 5 is out of range"});
    MQDoc_GetObject(doc, 1);
    ExpectViolation({"MQDoc_GetObject: ", "object index 1 out of range"});
    model.AddObject(doc, "obj2");
    model.DeleteObject(doc, obj);
    MQDoc_AddSelectVertex(doc, 0, 0);
    ExpectViolation({"MQDoc_AddSelectVertex: ", "object index 0 names a deleted object"});
    EXPECT_EQ(MQDoc_GetObject(doc, 0), nullptr);   // an empty slot is an answer, not a breach
    EXPECT_EQ(MQDoc_GetObject(doc, -1), nullptr);  // "no current object" passed back
}

TEST_F(ContractChecks, NullOutPointers) {
    sim::AddTriangle(obj, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    MQObj_GetVertex(obj, 0, nullptr);
    ExpectViolation({"MQObj_GetVertex: ", "null out point"});
    MQObj_GetFacePointArray(obj, 0, nullptr);
    ExpectViolation({"MQObj_GetFacePointArray: ", "null out point list"});
    MQObject drawing = SendCreateDrawObject(doc, 1);
    MQObj_AddVertex(drawing, nullptr);
    ExpectViolation({"MQObj_AddVertex: ", "null point"});
    MQObj_SetFloatArray(drawing, 513, nullptr);
    ExpectViolation({"MQObj_SetFloatArray: ", "null colour"});
    EXPECT_EQ(MQObj_GetVertexRelatedFaces(obj, 0, nullptr), 1);  // null asks for the count
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(ContractChecks, FacesMustNameLiveVertices) {
    MQObject drawing = SendCreateDrawObject(doc, 2);
    model.AddVertex(drawing, {0, 0, 0});
    model.AddVertex(drawing, {1, 0, 0});
    model.DeleteVertex(drawing, 1);
    const int points[] = {0, 1};
    EXPECT_EQ(MQObj_AddFace(drawing, 2, points), -1);
    ExpectViolation({"MQObj_AddFace: ", "face point 1 names a deleted vertex"});
    const int far[] = {0, 9};
    MQObj_AddFace(drawing, 2, far);
    ExpectViolation({"MQObj_AddFace: ", "vertex index 9 out of range"});
    MQObj_AddFace(drawing, 0, points);
    ExpectViolation({"MQObj_AddFace: ", "point count 0"});
    EXPECT_EQ(MQObj_GetFaceCount(drawing), 0);
    SendDeleteDrawObject(doc, drawing);
}

// The user's mesh is the user's: the functions that fill and colour an
// object serve the plug-in's drawing objects only.
TEST_F(ContractChecks, EditsOfADocumentObjectAreBreachesAndChangeNothing) {
    sim::AddTriangle(obj, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const float point[3] = {5, 5, 5};
    const float red[3] = {1, 0, 0};
    const int line[] = {0, 1};
    struct Case {
        const char* function;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"MQObj_AddVertex: ", [&] { EXPECT_EQ(MQObj_AddVertex(obj, point), -1); }},
        {"MQObj_AddFace: ", [&] { EXPECT_EQ(MQObj_AddFace(obj, 2, line), -1); }},
        {"MQObj_SetFloatArray: ", [&] { MQObj_SetFloatArray(obj, 513, red); }},
        {"MQObj_SetIntValue: ", [&] { MQObj_SetIntValue(obj, 513, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        c.call();
        ExpectViolation(
            {c.function, "document object handle where a drawing object handle is expected"});
    }
    EXPECT_EQ(model.VertexCount(obj), 3);
    EXPECT_EQ(model.FaceCount(obj), 1);
}

TEST_F(ContractChecks, DrawingObjectWhereADocumentObjectIsExpected) {
    MQObject drawing = SendCreateDrawObject(doc, 1);
    EXPECT_EQ(MQDoc_GetObjectIndex(doc, drawing), -1);
    ExpectViolation({"MQDoc_GetObjectIndex: ",
                     "drawing object handle where a document object handle is expected"});
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(ContractChecks, ValueIdsOtherThanTheModelledOnes) {
    MQObject drawing = SendCreateDrawObject(doc, 1);
    const float rgb[3] = {1, 1, 1};
    struct Case {
        const char* function;
        const char* what;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"MQObj_GetIntValue: ", "value id 261 is not one the host offers for reading",
         [&] { MQObj_GetIntValue(obj, 261); }},
        {"MQObj_GetIntValue: ", "value id 513 is not one the host offers for reading",
         [&] { MQObj_GetIntValue(drawing, 513); }},
        {"MQObj_SetIntValue: ", "value id 512 is not one the host offers for setting",
         [&] { MQObj_SetIntValue(drawing, 512, 1); }},
        {"MQObj_SetIntValue: ", "value id 260 is not one the host offers for setting",
         [&] { MQObj_SetIntValue(drawing, 260, 7); }},
        {"MQObj_SetFloatArray: ", "value id 260 is not one the host offers for setting",
         [&] { MQObj_SetFloatArray(drawing, 260, rgb); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.call();
        ExpectViolation({c.function, c.what});
    }
    EXPECT_EQ(model.ObjectUniqueId(drawing), MQObj_GetIntValue(drawing, 260));
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(ContractChecks, ColourFlagOtherThanOneIsABreachColoursOutOfRangeAreNot) {
    MQObject drawing = SendCreateDrawObject(doc, 1);
    // A colour from hand-edited settings reaches the host as it is.
    const float bright[3] = {2.0f, -0.5f, 0.25f};
    MQObj_SetFloatArray(drawing, 513, bright);
    for (int flag : {0, 2, -1}) {
        MQObj_SetIntValue(drawing, 513, flag);
        ExpectViolation(
            {"MQObj_SetIntValue: ", ("colour flag " + std::to_string(flag) + " is not 1").c_str()});
    }
    EXPECT_EQ(model.DrawObjects(doc).at(0).colorSet, 0);
    MQObj_SetIntValue(drawing, 513, 1);
    const sim::DrawObjectInfo info = model.DrawObjects(doc).at(0);
    EXPECT_EQ(info.colorSet, 1);
    EXPECT_EQ(info.color[0], 2.0f);
    EXPECT_EQ(info.color[1], -0.5f);
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(ContractChecks, ClearSelectWithOtherFlagsIsNoBreach) {
    EXPECT_NE(MQDoc_ClearSelect(doc, 3), 0);
    EXPECT_NE(MQDoc_ClearSelect(doc, 0), 0);
}

TEST_F(ContractChecks, DrawingObjectUsedAfterItsDeletion) {
    MQObject drawing = SendCreateDrawObject(doc, 1);
    SendDeleteDrawObject(doc, drawing);
    const float p[3] = {0, 0, 0};
    EXPECT_EQ(MQObj_AddVertex(drawing, p), -1);
    ExpectViolation({"MQObj_AddVertex: ", "stale drawing object handle", "deleted by message 210"});
    SendDeleteDrawObject(doc, drawing);
    ExpectViolation({"MQ_SendMessage(210) \"object\": ", "stale drawing object handle"});
}

TEST_F(ContractChecks, DrawingObjectDeletedNamingAnotherDocument) {
    MQDocument other = model.NewDocument();
    MQObject drawing = SendCreateDrawObject(doc, 1);
    SendDeleteDrawObject(other, drawing);
    ExpectViolation(
        {"MQ_SendMessage(210): ", "was made in document #1", "names document #2", "not deleted"});
    EXPECT_EQ(model.LiveDrawObjectCount(), 1);
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(ContractChecks, DeleteMessageWithADocumentObject) {
    SendDeleteDrawObject(doc, obj);
    ExpectViolation({"MQ_SendMessage(210) \"object\": ",
                     "object handle where a drawing object handle is expected"});
    EXPECT_EQ(model.ObjectCount(doc), 1);
}

TEST_F(ContractChecks, DeleteMessageWithANullDocument) {
    MQObject drawing = SendCreateDrawObject(doc, 1);
    SendDeleteDrawObject(nullptr, drawing);
    ExpectViolation({"MQ_SendMessage(210) \"document\": ", "null document handle"});
    SendDeleteDrawObject(doc, drawing);
}

TEST_F(ContractChecks, CreateMessageOfTheWrongShape) {
    int visibility = 1, instant = 0;
    KeyValuePair swapped[] = {{"document", doc},
                              {"instant", &instant},
                              {"visibility", &visibility},
                              {"result", nullptr},
                              {nullptr, nullptr}};
    MessageHeader header{0, 0, 0, swapped};
    MQ_SendMessage(200, &header);
    ExpectViolation({"MQ_SendMessage(200): ", "keys are \"document\", \"instant\"",
                     "expected \"document\", \"visibility\""});
    EXPECT_EQ(swapped[3].value, nullptr);

    KeyValuePair preset[] = {{"document", doc},
                             {"visibility", &visibility},
                             {"instant", &instant},
                             {"result", doc},
                             {nullptr, nullptr}};
    header.option = preset;
    MQ_SendMessage(200, &header);
    ExpectViolation({"MQ_SendMessage(200): ", "\"result\" does not start null"});

    KeyValuePair noVisibility[] = {{"document", doc},
                                   {"visibility", nullptr},
                                   {"instant", &instant},
                                   {"result", nullptr},
                                   {nullptr, nullptr}};
    header.option = noVisibility;
    MQ_SendMessage(200, &header);
    ExpectViolation({"MQ_SendMessage(200): ", "null \"visibility\" pointer"});
    EXPECT_EQ(model.LiveDrawObjectCount(), 0);

    visibility = 4;
    KeyValuePair wide[] = {{"document", doc},
                           {"visibility", &visibility},
                           {"instant", &instant},
                           {"result", nullptr},
                           {nullptr, nullptr}};
    header.option = wide;
    MQ_SendMessage(200, &header);
    ExpectViolation({"MQ_SendMessage(200): ", "\"visibility\" 4 is not 0 to 3"});
    SendDeleteDrawObject(doc, static_cast<MQObject>(wide[3].value));
}

TEST_F(ContractChecks, SceneMessageChecks) {
    SendSceneOption(nullptr);
    ExpectViolation({"MQ_SendMessage(410) \"scene\": ", "null scene handle"});
    MQScene scene = model.NewScene(doc, {1, 1, 1, 1, 1});
    int answer = 0;
    KeyValuePair missing[] = {{"scene", scene},        {"show_vertex", &answer},
                              {"show_line", nullptr},  {"show_face", &answer},
                              {"front_only", &answer}, {"show_bkimg", &answer},
                              {nullptr, nullptr}};
    MessageHeader header{0, 0, 0, missing};
    MQ_SendMessage(410, &header);
    ExpectViolation({"MQ_SendMessage(410): ", "null \"show_line\" pointer"});
    SendSceneOption(Forged<MQScene>(reinterpret_cast<std::uintptr_t>(doc)));
    ExpectViolation(
        {"MQ_SendMessage(410) \"scene\": ", "document handle where a scene handle is expected"});
}

TEST_F(ContractChecks, TestApiMisuseIsReportedToo) {
    model.AddFace(obj, {0, 1, 2});
    ExpectViolation({"DocumentModel::AddFace: ", "vertex index 0 out of range"});
    MQObject drawing = SendCreateDrawObject(doc, 1);
    model.SelectedVertices(doc, drawing);
    ExpectViolation({"DocumentModel::SelectedVertices: ",
                     "drawing object handle where a document object handle"});
    SendDeleteDrawObject(doc, drawing);
}

}  // namespace
