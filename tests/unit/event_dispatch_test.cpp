// The host event dispatcher, against plug-in objects that record what
// reaches them.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/boundary_guard.h"
#include "host/event_dispatch.h"

namespace {

// A station plug-in that records every operation the dispatcher calls.
class RecordingStation : public MQStationPlugin {
public:
    std::vector<std::string> calls;
    int startAnswer = 1;
    int width = 0, height = 0;
    MQScene scene = nullptr;
    int flag = -1;
    bool setSaveFlag = false;
    int state = -1, size = -1;
    const char* filename = nullptr;
    MQXmlElement elem = nullptr;

    void GetPlugInID(unsigned int* product, unsigned int* id) override {
        *product = 1;
        *id = 2;
    }
    const char* GetPlugInName() override { return "recording"; }
    int GetPlugInType() override { return plugin_type::kStation; }
    const char* EnumString() override { return "recording"; }
    int OnStart() override {
        calls.push_back("start");
        return startAnswer;
    }
    void OnExit() override { calls.push_back("exit"); }
    int OnActivate(MQDocument, int f) override {
        calls.push_back("activate");
        flag = f;
        return f != 0;
    }
    int IsActivated(MQDocument) override { return 7; }
    void OnStationNotice(MQDocument, int f) override {
        calls.push_back("notice");
        flag = f;
    }
    void OnDraw(MQDocument, MQScene s, int w, int h) override {
        calls.push_back("draw");
        scene = s;
        width = w;
        height = h;
    }
    void OnLoadDocument(MQDocument, const char* name, DocumentDataOption& option) override {
        calls.push_back("load");
        filename = name;
        elem = option.elem;
    }
    void OnSaveDocument(MQDocument, const char*, DocumentDataOption& option) override {
        calls.push_back("save");
        if (setSaveFlag) option.saveUniqueId = 1;
    }
    int OnDocumentEvent210(MQDocument, int s) override {
        state = s;
        return 5;
    }
    void OnDocumentEvent212(MQDocument, int s, int z) override {
        state = s;
        size = z;
    }
    void OnDocumentEvent221(MQDocument) override { calls.push_back("221"); }
    void OnDocumentEvent220(MQDocument) override { calls.push_back("220"); }
};

int Dispatch(MQBasePlugin& plugin, int event, void* option = nullptr) {
    return host::DispatchEvent(plugin, nullptr, event, option);
}

TEST(EventDispatch, EventsOutsideTheStationTableAnswer0) {
    RecordingStation station;
    for (int event : {0, -1, 150, 241, 300, 301, 120, 130, 140, 141})
        EXPECT_EQ(Dispatch(station, event), 0) << event;
    EXPECT_TRUE(station.calls.empty());
}

TEST(EventDispatch, StartAnswersWhatOnStartAnsweredAndExitAnswers1) {
    RecordingStation station;
    station.startAnswer = 42;
    EXPECT_EQ(Dispatch(station, 1), 42);
    EXPECT_EQ(Dispatch(station, 2), 1);
    EXPECT_EQ(station.calls, (std::vector<std::string>{"start", "exit"}));
}

TEST(EventDispatch, ActivationFlagComesFromTheOptionItself) {
    RecordingStation station;
    int on = 1;
    EXPECT_EQ(Dispatch(station, 100, &on), 1);
    EXPECT_EQ(station.flag, 1);
    int notice = 9;
    EXPECT_EQ(Dispatch(station, 102, &notice), 1);
    EXPECT_EQ(station.flag, 9);
    EXPECT_EQ(Dispatch(station, 101), 7);
}

TEST(EventDispatch, ActivationWithoutItsFlagAnswers0AndChangesNothing) {
    RecordingStation station;
    EXPECT_EQ(Dispatch(station, 100, nullptr), 0);
    EXPECT_EQ(Dispatch(station, 102, nullptr), 0);
    EXPECT_TRUE(station.calls.empty());
}

TEST(EventDispatch, DrawTakesWidthAndHeightOf1WhenMissingOrNull) {
    RecordingStation station;
    EXPECT_EQ(Dispatch(station, 110, nullptr), 1);
    EXPECT_EQ(station.width, 1);
    EXPECT_EQ(station.height, 1);

    int width = 640, height = 480;
    auto* scene = reinterpret_cast<MQScene>(&station);
    KeyValuePair list[] = {{"width", nullptr},
                           {"width", &width},
                           {"height", &height},
                           {"scene", scene},
                           {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(station, 110, list), 1);
    EXPECT_EQ(station.width, 1);
    EXPECT_EQ(station.height, 480);
    EXPECT_EQ(station.scene, scene);
}

TEST(EventDispatch, KeysMatchOnlyExactly) {
    RecordingStation station;
    int value = 33;
    KeyValuePair list[] = {{"Width", &value}, {"states", &value}, {nullptr, nullptr}};
    Dispatch(station, 110, list);
    EXPECT_EQ(station.width, 1);
    Dispatch(station, 210, list);
    EXPECT_EQ(station.state, 0);
}

TEST(EventDispatch, ReceiveMessageStoresTheAnswerOnlyWhereAsked) {
    RecordingStation station;
    EXPECT_EQ(Dispatch(station, 103, nullptr), 1);
    int result = 55;
    KeyValuePair list[] = {{"result", &result}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(station, 103, list), 1);
    EXPECT_EQ(result, 0);
}

TEST(EventDispatch, LoadDocumentHandsOverFileNameAndElement) {
    RecordingStation station;
    char name[] = "scene.mqo";
    auto* elem = reinterpret_cast<MQXmlElement>(name + 1);
    KeyValuePair list[] = {{"filename", name}, {"xml_elem", elem}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(station, 200, list), 1);
    EXPECT_EQ(station.filename, name);
    EXPECT_EQ(station.elem, elem);
}

TEST(EventDispatch, SaveDocumentWritesSaveUidOnlyWhenTheOperationAsks) {
    RecordingStation station;
    int saveUid = 0;
    KeyValuePair list[] = {{"save_uid", &saveUid}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(station, 202, list), 1);
    EXPECT_EQ(saveUid, 0);
    station.setSaveFlag = true;
    EXPECT_EQ(Dispatch(station, 202, list), 1);
    EXPECT_EQ(saveUid, 1);
    KeyValuePair noSaveUid[] = {{nullptr, nullptr}};
    EXPECT_EQ(Dispatch(station, 202, noSaveUid), 1);
}

TEST(EventDispatch, DocumentEventsPassStateAndSize) {
    RecordingStation station;
    int state = 3, size = 12;
    KeyValuePair list[] = {{"size", &size}, {"state", &state}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(station, 210, list), 5);
    EXPECT_EQ(station.state, 3);
    EXPECT_EQ(Dispatch(station, 211, list), 0);
    EXPECT_EQ(Dispatch(station, 212, list), 1);
    EXPECT_EQ(station.size, 12);
    for (int event : {201, 220, 221, 222, 230, 231, 240}) EXPECT_EQ(Dispatch(station, event), 1);
    EXPECT_EQ(station.calls, (std::vector<std::string>{"220", "221"}));
}

// A command plug-in that keeps the last mouse state it was given.
class RecordingCommand : public MQCommandPlugin {
public:
    MouseState last{};
    int lastKey = 0;
    int lastEvent = 0;

    void GetPlugInID(unsigned int*, unsigned int*) override {}
    const char* GetPlugInName() override { return "command"; }
    int GetPlugInType() override { return plugin_type::kCommand; }
    const char* EnumString() override { return "command"; }
    int OnStart() override { return 1; }
    void OnExit() override {}
    int OnActivate(MQDocument, int) override { return 0; }
    int IsActivated(MQDocument) override { return 0; }
    void OnDraw(MQDocument, MQScene, int, int) override {}
    void OnLoadDocument(MQDocument, const char*, DocumentDataOption&) override {}
    int OnDocumentEvent210(MQDocument, int) override { return 0; }
    void OnDocumentEvent221(MQDocument) override {}
    void OnDocumentEvent220(MQDocument) override {}
    int Record(int event, MouseState& state) {
        lastEvent = event;
        last = state;
        return event;
    }
    int OnPointerEvent120(MQDocument, MQScene, MouseState& s) override { return Record(120, s); }
    int OnPointerEvent121(MQDocument, MQScene, MouseState& s) override { return Record(121, s); }
    int OnPointerEvent122(MQDocument, MQScene, MouseState& s) override { return Record(122, s); }
    int OnPointerEvent123(MQDocument, MQScene, MouseState& s) override { return Record(123, s); }
    int OnPointerEvent124(MQDocument, MQScene, MouseState& s) override { return Record(124, s); }
    int OnPointerEvent125(MQDocument, MQScene, MouseState& s) override { return Record(125, s); }
    int OnPointerEvent126(MQDocument, MQScene, MouseState& s) override { return Record(126, s); }
    int OnPointerEvent127(MQDocument, MQScene, MouseState& s) override { return Record(127, s); }
    int OnPointerEvent128(MQDocument, MQScene, MouseState& s) override { return Record(128, s); }
    int OnPointerEvent129(MQDocument, MQScene, MouseState& s) override { return Record(129, s); }
    int OnPointerEvent130(MQDocument, MQScene, MouseState& s) override { return Record(130, s); }
    int OnKeyEvent140(MQDocument, MQScene, int key, MouseState& s) override {
        lastKey = key;
        return Record(140, s);
    }
    int OnKeyEvent141(MQDocument, MQScene, int key, MouseState& s) override {
        lastKey = key;
        return Record(141, s);
    }
};

TEST(EventDispatch, CommandPointerEventsBuildTheMouseState) {
    RecordingCommand command;
    int buttons = 0x01 | 0x10 | 0x08, x = 10, y = 20, wheel = -120;
    float pressure = 0.5f;
    KeyValuePair list[] = {{"button_state", &buttons}, {"mouse_pos_x", &x},     {"mouse_pos_y", &y},
                           {"mouse_wheel", &wheel},    {"pressure", &pressure}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(command, 125, list), 125);
    EXPECT_EQ(command.last.x, 10);
    EXPECT_EQ(command.last.y, 20);
    EXPECT_EQ(command.last.wheel, -120);
    EXPECT_EQ(command.last.leftButton, 1);
    EXPECT_EQ(command.last.middleButton, 1);
    EXPECT_EQ(command.last.rightButton, 0);
    EXPECT_EQ(command.last.shift, 0);
    EXPECT_EQ(command.last.ctrl, 1);
    EXPECT_FLOAT_EQ(command.last.pressure, 0.5f);
}

TEST(EventDispatch, CommandKeyEventsCarryTheKeyAndNoPosition) {
    RecordingCommand command;
    int key = 65, buttons = 0x04 | 0x20, x = 99;
    KeyValuePair list[] = {
        {"key", &key}, {"button_state", &buttons}, {"mouse_pos_x", &x}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(command, 141, list), 141);
    EXPECT_EQ(command.lastKey, 65);
    EXPECT_EQ(command.last.x, 0);
    EXPECT_EQ(command.last.shift, 1);
    EXPECT_EQ(command.last.flag5, 1);
}

class RecordingImport : public MQImportPlugin {
public:
    void GetPlugInID(unsigned int*, unsigned int*) override {}
    const char* GetPlugInName() override { return "import"; }
    int GetPlugInType() override { return plugin_type::kImport; }
    const char* EnumFileType(int) override { return "Type"; }
    const char* EnumFileExt(int) override { return "ext"; }
    int ImportFile(int, const char*, MQDocument) override { return 1; }
    int OnBackgroundImport() override { return 8; }
};

TEST(EventDispatch, ImportEventsReachOnlyAnImportPlugin) {
    RecordingImport importer;
    int background = 4;
    char args[] = "args";
    KeyValuePair list[] = {{"background", &background}, {"args", args}, {nullptr, nullptr}};
    EXPECT_EQ(Dispatch(importer, 300), 8);
    EXPECT_EQ(Dispatch(importer, 301, list), 1);
    EXPECT_EQ(importer.background, 4);
    EXPECT_EQ(importer.args, args);
    EXPECT_EQ(Dispatch(importer, 1), 0);
}

TEST(BoundaryGuard, AThrowingBodyAnswersTheFailureValue) {
    EXPECT_EQ(host::Guarded(0, []() -> int { throw std::runtime_error("inside"); }), 0);
    EXPECT_EQ(host::Guarded<const char*>(nullptr, []() -> const char* { throw 1; }), nullptr);
    EXPECT_EQ(host::Guarded(0, [] { return 5; }), 5);
}

}  // namespace
