// The host's fault points: every call at a point is counted, and exactly the
// calls a plan names are refused, each in the way of its point (a creation
// yields 0 or null, a read leaves the preset, a box or dialog closes without
// an answer).
#include <functional>

#include "simhost/faults/fault_points.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"
#include "tests/simhost/document_test_support.h"
#include "tests/simhost/widget_host_calls.h"

extern "C" int MQXmlElem_Value(MQXmlElement elem, int action, void* record);

namespace {

using sim::FaultPoint;

class FaultPoints : public DocumentTest {
public:
    // The cases below reach the host through these.
    using DocumentTest::doc;
    using DocumentTest::model;
    using DocumentTest::obj;

protected:
    void SetUp() override {
        DocumentTest::SetUp();
        for (sim::Vec3 p : {sim::Vec3{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}) model.AddVertex(obj, p);
        model.AddFace(obj, {0, 1, 2});
        sim::Settings().SetChildText("Plugin-own", "key", "text");
    }

public:
    // MQXmlElem_Value's answer after `action` on `element` (add and find:
    // {name, out}; get text: {out}).
    static void* ElementAnswer(MQXmlElement element, int action, const char* name) {
        void* record[2] = {const_cast<char*>(name), nullptr};
        MQXmlElem_Value(element, action,
                        action == sim::xml_action::kGetElementText ? record + 1 : record);
        return record[1];
    }
    MQXmlElement OwnKey() {
        auto own = static_cast<MQXmlElement>(ElementAnswer(sim::Settings().PluginSettingsHandle(),
                                                           sim::xml_action::kFindChildElement,
                                                           "Plugin-own"));
        return static_cast<MQXmlElement>(
            ElementAnswer(own, sim::xml_action::kFindChildElement, "key"));
    }
};

// One call at the point; true when it answered less than it might.
struct RefusalCase {
    FaultPoint point;
    std::function<bool(FaultPoints&)> answeredLess;
};

class EachFaultPoint : public FaultPoints, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EachFaultPoint, OnlyThePlannedCallIsRefused) {
    const RefusalCase& refusal = GetParam();
    sim::FaultPoints().RefuseCall(refusal.point, 1);
    EXPECT_FALSE(refusal.answeredLess(*this)) << "call #0";
    EXPECT_TRUE(refusal.answeredLess(*this)) << "call #1";
    EXPECT_FALSE(refusal.answeredLess(*this)) << "call #2";
    EXPECT_EQ(sim::FaultPoints().Count(refusal.point), 3);
    EXPECT_EQ(sim::FaultPoints().Refused(), 1);
}

const RefusalCase kCases[] = {
    {FaultPoint::WidgetCreation, [](FaultPoints&) { return host_calls::Create("button") == 0; }},
    {FaultPoint::PropertyRead,
     [](FaultPoints&) {
         return host_calls::Get<int>(sim::Widgets().MainWindowId(), "pos_x", -5) == -5;
     }},
    {FaultPoint::MainWindowLookup, [](FaultPoints&) { return host_calls::MainWindow() == -1; }},
    {FaultPoint::MessageBox,
     [](FaultPoints&) {
         sim::Dialogs().QueueMessageBoxAnswer(1);
         return host_calls::MessageBox(0, u"Clear?", u"Marker") == 0;
     }},
    {FaultPoint::ModalRun,
     [](FaultPoints&) {
         const int dialog = host_calls::Create("dialog");
         sim::Dialogs().QueueModalAnswer(1);
         const bool unanswered = host_calls::RunModal(dialog) == 0;
         host_calls::Destroy(dialog);
         return unanswered;
     }},
    {FaultPoint::DrawObjectCreation,
     [](FaultPoints& test) {
         MQObject drawing = SendCreateDrawObject(test.doc, 1);
         if (drawing != nullptr) SendDeleteDrawObject(test.doc, drawing);
         return drawing == nullptr;
     }},
    {FaultPoint::SceneOptions,
     [](FaultPoints& test) {
         return SendSceneOption(test.model.NewScene(test.doc, {1, 1, 1, 1, 1})) ==
                std::vector<int>(5, -7);
     }},
    {FaultPoint::SettingsElement,
     [](FaultPoints&) {
         KeyValuePair list[] = {{"root", nullptr}, {"pluginsettings", nullptr}, {nullptr, nullptr}};
         MessageHeader header{0, 0, 0, list};
         MQ_SendMessage(sim::station_msg::kSettingsElement, &header);
         return list[1].value == nullptr;
     }},
    {FaultPoint::ElementCreation,
     [](FaultPoints&) {
         return FaultPoints::ElementAnswer(sim::Settings().PluginSettingsHandle(),
                                           sim::xml_action::kAddChildElement, "added") == nullptr;
     }},
    {FaultPoint::ElementFind,
     [](FaultPoints&) {
         return FaultPoints::ElementAnswer(sim::Settings().PluginSettingsHandle(),
                                           sim::xml_action::kFindChildElement,
                                           "Plugin-own") == nullptr;
     }},
    {FaultPoint::ElementText,
     [](FaultPoints& test) {
         return FaultPoints::ElementAnswer(test.OwnKey(), sim::xml_action::kGetElementText,
                                           nullptr) == nullptr;
     }},
    {FaultPoint::CurrentObject,
     [](FaultPoints& test) { return MQDoc_GetCurrentObjectIndex(test.doc) == -1; }},
    {FaultPoint::ObjectByIndex,
     [](FaultPoints& test) { return MQDoc_GetObject(test.doc, 0) == nullptr; }},
    {FaultPoint::ObjectByUniqueId,
     [](FaultPoints& test) {
         return MQDoc_GetObjectFromUniqueID(test.doc, test.model.ObjectUniqueId(test.obj)) ==
                nullptr;
     }},
    {FaultPoint::ObjectIndex,
     [](FaultPoints& test) { return MQDoc_GetObjectIndex(test.doc, test.obj) == -1; }},
    {FaultPoint::VertexByUniqueId,
     [](FaultPoints& test) {
         return MQObj_GetVertexIndexFromUniqueID(test.obj,
                                                 test.model.VertexUniqueId(test.obj, 1)) == -1;
     }},
    {FaultPoint::VertexPosition,
     [](FaultPoints& test) {
         float xyz[3] = {-9, -9, -9};
         MQObj_GetVertex(test.obj, 1, xyz);
         return xyz[0] == -9;
     }},
    {FaultPoint::FacePoints,
     [](FaultPoints& test) {
         int points[3] = {-9, -9, -9};
         MQObj_GetFacePointArray(test.obj, 0, points);
         return points[1] == -9;
     }},
};

INSTANTIATE_TEST_SUITE_P(Points, EachFaultPoint, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) {
                             std::string name;
                             for (const char* c = sim::FaultPointName(info.param.point); *c != '\0';
                                  ++c)
                                 if (*c != ' ') name += *c;
                             return name;
                         });

TEST_F(FaultPoints, EveryPointIsNamedAndFoundByItsName) {
    for (int i = 0; i < sim::kFaultPointCount; ++i) {
        sim::FaultPoint found{};
        ASSERT_TRUE(sim::FaultPointNamed(sim::FaultPointName(static_cast<FaultPoint>(i)), found));
        EXPECT_EQ(static_cast<int>(found), i);
    }
    sim::FaultPoint unused{};
    EXPECT_FALSE(sim::FaultPointNamed("no such point", unused));
}

TEST_F(FaultPoints, AResetOfTheHostForgetsThePlanAndTheCounts) {
    sim::FaultPoints().RefuseCall(FaultPoint::CurrentObject, 0);
    MQDoc_GetObject(doc, 0);
    sim::ResetHost();
    doc = model.NewDocument();
    model.AddObject(doc, "again");
    EXPECT_EQ(sim::FaultPoints().Count(FaultPoint::ObjectByIndex), 0);
    EXPECT_EQ(MQDoc_GetCurrentObjectIndex(doc), 0);
}

}  // namespace
