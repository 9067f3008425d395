// Host events delivered to the loaded module through MQOnEvent.
#include "tests/support/plugin_fixture.h"

namespace {

using HostEvents = PluginTest;

TEST_F(HostEvents, EventsOutsideTheStationTableAnswer0) {
    for (int event : {0, 150, 241, 300, 301, 120, 141})
        EXPECT_EQ(plugin.Event(nullptr, event, nullptr), 0) << event;
}

TEST_F(HostEvents, StartAndExitAnswer1) {
    EXPECT_EQ(plugin.Start(), 1);
    EXPECT_EQ(plugin.Exit(), 1);
}

TEST_F(HostEvents, ActivationWithoutAFlagIsIgnored) {
    EXPECT_EQ(plugin.Start(), 1);
    EXPECT_EQ(plugin.Event(nullptr, 100, nullptr), 0);
    EXPECT_EQ(plugin.Event(nullptr, 102, nullptr), 0);
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
    EXPECT_EQ(plugin.Exit(), 1);
}

TEST_F(HostEvents, ListEventsWithoutOptionTakeTheirDefaults) {
    EXPECT_EQ(plugin.Event(nullptr, 103, nullptr), 1);
    EXPECT_EQ(plugin.Event(nullptr, 202, nullptr), 1);
    EXPECT_EQ(plugin.Event(nullptr, 211, nullptr), 0);
    EXPECT_EQ(plugin.Event(nullptr, 212, nullptr), 1);
    int result = 77;
    KeyValuePair list[] = {{"result", &result}, {nullptr, nullptr}};
    EXPECT_EQ(plugin.Event(nullptr, 103, list), 1);
    EXPECT_EQ(result, 0);
}

}  // namespace

namespace {

TEST_F(HostEvents, SavingADocumentLeavesSaveUidAlone) {
    // The plug-in keeps nothing in documents, so it never asks the host to
    // keep unique ids.
    int saveUid = 0;
    char name[] = "scene.mqo";
    KeyValuePair list[] = {{"filename", name}, {"save_uid", &saveUid}, {nullptr, nullptr}};
    EXPECT_EQ(plugin.Event(nullptr, 202, list), 1);
    EXPECT_EQ(saveUid, 0);
}

TEST_F(HostEvents, DocumentEventsAnswerAsTheHostExpects) {
    EXPECT_EQ(plugin.Start(), 1);
    EXPECT_EQ(plugin.DocumentEvent(nullptr, 210, 1), 0);
    EXPECT_EQ(plugin.DocumentEvent(nullptr, 220), 1);
    EXPECT_EQ(plugin.DocumentEvent(nullptr, 221), 1);
    for (int event : {201, 222, 230, 231, 240}) EXPECT_EQ(plugin.DocumentEvent(nullptr, event), 1);
    EXPECT_EQ(plugin.Exit(), 1);
}

}  // namespace
