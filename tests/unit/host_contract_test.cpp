// The plug-in's numbers and keys of the host interface against the simulated
// host's own: the host checks the plug-in with definitions written from its
// side, so the two sets must agree exactly.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "host/event_dispatch.h"
#include "host/host_api.h"
#include "host/host_events.h"
#include "host/xml_element.h"
#include "simhost/contract/host_contract.h"
#include "simhost/documents/document_model.h"
#include "tests/unit/station_under_test.h"
#include "widgets/widget_messages.h"

namespace {

struct Number {
    const char* name;
    int plugin;
    int host;
};

void ExpectAgreement(std::span<const Number> numbers) {
    for (const Number& number : numbers) EXPECT_EQ(number.plugin, number.host) << number.name;
}

TEST(HostContract, EventNumbersAgree) {
    namespace p = host_event;
    namespace h = sim::event;
    const Number numbers[] = {
        {"start", p::kStart, h::kStart},
        {"exit", p::kExit, h::kExit},
        {"activate", p::kActivate, h::kActivate},
        {"is activated", p::kIsActivated, h::kIsActivated},
        {"station notice", p::kStationNotice, h::kStationNotice},
        {"receive message", p::kReceiveMessage, h::kReceiveMessage},
        {"draw", p::kDraw, h::kDraw},
        {"first pointer event", p::kPointerEvent120, h::kFirstPointerEvent},
        {"last pointer event", p::kPointerEvent130, h::kLastPointerEvent},
        {"key event 140", p::kKeyEvent140, h::kKeyEvent140},
        {"key event 141", p::kKeyEvent141, h::kKeyEvent141},
        {"load document", p::kLoadDocument, h::kLoadDocument},
        {"document event 201", p::kDocumentEvent201, h::kDocumentEvent201},
        {"save document", p::kSaveDocument, h::kSaveDocument},
        {"document event 210", p::kDocumentEvent210, h::kDocumentEvent210},
        {"document event 211", p::kDocumentEvent211, h::kDocumentEvent211},
        {"document event 212", p::kDocumentEvent212, h::kDocumentEvent212},
        {"document event 220", p::kDocumentEvent220, h::kDocumentEvent220},
        {"document event 221", p::kDocumentEvent221, h::kDocumentEvent221},
        {"document event 222", p::kDocumentEvent222, h::kDocumentEvent222},
        {"document event 230", p::kDocumentEvent230, h::kDocumentEvent230},
        {"document event 231", p::kDocumentEvent231, h::kDocumentEvent231},
        {"scene event 240", p::kSceneEvent240, h::kSceneEvent240},
        {"background import", p::kBackgroundImport, h::kBackgroundImport},
        {"import arguments", p::kImportArguments, h::kImportArguments},
    };
    ExpectAgreement(numbers);
    // The pointer events between the first and the last are consecutive.
    EXPECT_EQ(p::kPointerEvent130 - p::kPointerEvent120, 10);
}

TEST(HostContract, MessageActionAndValueNumbersAgree) {
    const Number numbers[] = {
        {"deactivate notice", host_message::kDeactivateNotice, sim::station_msg::kDeactivateNotice},
        {"create drawing object", host_message::kCreateDrawObject,
         sim::station_msg::kCreateDrawObject},
        {"delete drawing object", host_message::kDeleteDrawObject,
         sim::station_msg::kDeleteDrawObject},
        {"scene option", host_message::kSceneOption, sim::station_msg::kSceneOption},
        {"settings element", host_message::kSettingsElement, sim::station_msg::kSettingsElement},
        {"widget run", widget_message::kRun, sim::widget_msg::kRun},
        {"widget system lookup", widget_message::kSystemLookup, sim::widget_msg::kSystemLookup},
        {"widget create", widget_message::kCreate, sim::widget_msg::kCreate},
        {"widget destroy", widget_message::kDestroy, sim::widget_msg::kDestroy},
        {"widget add child", widget_message::kAddChild, sim::widget_msg::kAddChild},
        {"widget add child window", widget_message::kAddChildWindow,
         sim::widget_msg::kAddChildWindow},
        {"widget get property", widget_message::kGetProperty, sim::widget_msg::kGetProperty},
        {"widget set property", widget_message::kSetProperty, sim::widget_msg::kSetProperty},
        {"widget add event", widget_message::kAddEvent, sim::widget_msg::kAddEvent},
        {"xml add child", host::xml_action::kAddChildElement, sim::xml_action::kAddChildElement},
        {"xml remove child", host::xml_action::kRemoveChildElement,
         sim::xml_action::kRemoveChildElement},
        {"xml find child", host::xml_action::kFindChildElement, sim::xml_action::kFindChildElement},
        {"xml get text", host::xml_action::kGetElementText, sim::xml_action::kGetElementText},
        {"xml set text", host::xml_action::kSetElementText, sim::xml_action::kSetElementText},
        {"object unique id", host::kObjectUniqueId, sim::object_value::kUniqueId},
        {"object colour", host::kObjectColor, sim::object_value::kColor},
    };
    ExpectAgreement(numbers);
}

using HostContractKeys = StationTest;

// Each station service sends exactly the keys the host takes for its message.
TEST_F(HostContractKeys, StationMessagesCarryTheHostsKeys) {
    MQDocument doc = sim::Documents().NewDocument();
    MQScene scene = sim::Documents().NewScene(doc, {});
    MQObject drawing = nullptr;
    struct Case {
        std::function<void()> send;
        std::span<const char* const> keys;
    };
    const Case cases[] = {
        {[&] { drawing = station.CreateDrawObject(doc, 1); }, sim::station_keys::kCreateDrawObject},
        {[&] { station.DeleteDrawObject(doc, drawing); }, sim::station_keys::kDeleteDrawObject},
        {[&] {
             SceneOptions options;
             station.GetSceneOption(scene, options);
         },
         sim::station_keys::kSceneOption},
        {[&] { station.OpenSetting(); }, sim::station_keys::kSettingsElement},
    };
    for (const Case& c : cases) {
        const std::size_t before = sim::SentMessages().size();
        c.send();
        ASSERT_GT(sim::SentMessages().size(), before);
        EXPECT_EQ(sim::SentMessages()[before].keys,
                  std::vector<std::string>(c.keys.begin(), c.keys.end()));
    }
}

// A station that keeps what the draw, load and document events brought.
class KeyRecordingStation : public StationUnderTest {
public:
    KeyRecordingStation() : StationUnderTest(1, 2) {}
    void OnDraw(MQDocument, MQScene s, int w, int h) override {
        scene = s;
        width = w;
        height = h;
    }
    void OnLoadDocument(MQDocument, const char* name, DocumentDataOption& option) override {
        filename = name;
        elem = option.elem;
    }
    int OnDocumentEvent210(MQDocument, int s) override {
        state = s;
        return 1;
    }

    MQScene scene = nullptr;
    int width = 0, height = 0, state = 0;
    const char* filename = nullptr;
    MQXmlElement elem = nullptr;
};

// The lists the host builds with its keys reach the operations whole.
TEST(HostContract, EventListsBuiltWithTheHostsKeysReachTheOperations) {
    KeyRecordingStation station;
    auto* scene = reinterpret_cast<MQScene>(0x5CE0);
    int width = 640, height = 480;
    KeyValuePair draw[] = {{sim::event_key::kScene, scene},
                           {sim::event_key::kWidth, &width},
                           {sim::event_key::kHeight, &height},
                           {nullptr, nullptr}};
    host::DispatchEvent(station, nullptr, sim::event::kDraw, draw);
    EXPECT_EQ(station.scene, scene);
    EXPECT_EQ(station.width, 640);
    EXPECT_EQ(station.height, 480);

    char name[] = "scene.mqo";
    auto* elem = reinterpret_cast<MQXmlElement>(0xE1E0);
    KeyValuePair load[] = {
        {sim::event_key::kXmlElement, elem}, {sim::event_key::kFilename, name}, {nullptr, nullptr}};
    host::DispatchEvent(station, nullptr, sim::event::kLoadDocument, load);
    EXPECT_EQ(station.filename, name);
    EXPECT_EQ(station.elem, elem);

    int state = 3;
    KeyValuePair document[] = {{sim::event_key::kState, &state}, {nullptr, nullptr}};
    EXPECT_EQ(host::DispatchEvent(station, nullptr, sim::event::kDocumentEvent210, document), 1);
    EXPECT_EQ(station.state, 3);
}

}  // namespace
