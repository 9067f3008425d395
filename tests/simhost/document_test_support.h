// Shared pieces of the document model's tests: the host functions under test,
// declared as the plug-in sees them, and a fixture with a fresh host that
// fails any test leaving a breach it did not expect.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "host/host_abi.h"
#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/host_state.h"

extern "C" {
int MQ_SendMessage(int message, MessageHeader* record);
int MQDoc_GetCurrentObjectIndex(MQDocument doc);
MQObject MQDoc_GetObject(MQDocument doc, int index);
MQObject MQDoc_GetObjectFromUniqueID(MQDocument doc, int uniqueId);
int MQDoc_GetObjectIndex(MQDocument doc, MQObject obj);
int MQDoc_IsSelectVertex(MQDocument doc, int objIndex, int vertex);
int MQDoc_IsSelectLine(MQDocument doc, int objIndex, int face, int line);
int MQDoc_IsSelectFace(MQDocument doc, int objIndex, int face);
int MQDoc_ClearSelect(MQDocument doc, unsigned int flag);
int MQDoc_AddSelectVertex(MQDocument doc, int objIndex, int vertex);
int MQDoc_AddSelectLine(MQDocument doc, int objIndex, int face, int line);
int MQObj_GetVisible(MQObject obj);
int MQObj_GetVertexCount(MQObject obj);
int MQObj_GetFaceCount(MQObject obj);
int MQObj_GetVertexRefCount(MQObject obj, int vertex);
int MQObj_GetFacePointCount(MQObject obj, int face);
int MQObj_GetVertexUniqueID(MQObject obj, int vertex);
int MQObj_GetVertexIndexFromUniqueID(MQObject obj, int uniqueId);
void MQObj_GetVertex(MQObject obj, int vertex, float* xyz);
int MQObj_AddVertex(MQObject obj, const float* xyz);
int MQObj_AddFace(MQObject obj, int count, const int* points);
void MQObj_GetFacePointArray(MQObject obj, int face, int* points);
int MQObj_GetVertexRelatedFaces(MQObject obj, int vertex, int* faces);
int MQObj_GetIntValue(MQObject obj, int type);
void MQObj_SetFloatArray(MQObject obj, int type, const float* values);
void MQObj_SetIntValue(MQObject obj, int type, int value);
}

// Messages 200, 210 and 410 as the plug-in sends them.
inline MQObject SendCreateDrawObject(MQDocument doc, int visibility) {
    int instant = 0;
    KeyValuePair list[] = {{"document", doc},
                           {"visibility", &visibility},
                           {"instant", &instant},
                           {"result", nullptr},
                           {nullptr, nullptr}};
    MessageHeader header{0, 0, 0, list};
    MQ_SendMessage(sim::station_msg::kCreateDrawObject, &header);
    return static_cast<MQObject>(list[3].value);
}

inline void SendDeleteDrawObject(MQDocument doc, MQObject drawing) {
    KeyValuePair list[] = {{"document", doc}, {"object", drawing}, {nullptr, nullptr}};
    MessageHeader header{0, 0, 0, list};
    MQ_SendMessage(sim::station_msg::kDeleteDrawObject, &header);
}

// The five options in message order, each preset to `preset`.
inline std::vector<int> SendSceneOption(MQScene scene, int preset = -7) {
    std::vector<int> answers(5, preset);
    KeyValuePair list[] = {
        {"scene", scene},           {"show_vertex", &answers[0]}, {"show_line", &answers[1]},
        {"show_face", &answers[2]}, {"front_only", &answers[3]},  {"show_bkimg", &answers[4]},
        {nullptr, nullptr}};
    MessageHeader header{0, 0, 0, list};
    MQ_SendMessage(sim::station_msg::kSceneOption, &header);
    return answers;
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        doc = model.NewDocument();
        obj = model.AddObject(doc, "obj1");
    }

    void TearDown() override {
        EXPECT_TRUE(sim::Violations().empty()) << "host contract breaches:\n"
                                               << sim::ViolationReport() << sim::DumpHost();
        sim::ResetHost();
    }

    // Exactly one breach was recorded, and its text holds every piece; the
    // record is cleared for the rest of the test.
    static void ExpectViolation(std::initializer_list<const char*> pieces) {
        ASSERT_EQ(sim::Violations().size(), 1u) << sim::ViolationReport();
        const std::string& what = sim::Violations().front();
        for (const char* piece : pieces) EXPECT_NE(what.find(piece), std::string::npos) << what;
        sim::ClearViolations();
    }

    sim::DocumentModel& model = sim::Documents();
    MQDocument doc = nullptr;
    MQObject obj = nullptr;
};
