// Fixture for tests that need the plug-in object's own state: a Tackpin
// linked into the test, started against the simulated host, so that what
// the panel and the host events do to its flags and slots can be read.
#pragma once

#include <cstdio>

#include "marker/tackpin.h"
#include "simhost/settings_model.h"
#include "simhost/widget_events.h"
#include "simhost/widget_model.h"
#include "tests/unit/host_table_fixture.h"
#include "window/tackpin_window.h"

class TackpinTest : public HostTableTest {
protected:
    void SetUp() override {
        HostTableTest::SetUp();
        sim::ExpectSender(Tackpin::kProductId, Tackpin::kPluginId);
        sim::Widgets().SetEventDocument(doc);
    }
    void TearDown() override {
        plugin.OnExit();
        HostTableTest::TearDown();
        sim::ExpectSender(0, 0);
    }

    // Starts with the stored activation `active`.
    void Start(bool active) {
        unsigned int product = 0, id = 0;
        plugin.GetPlugInID(&product, &id);
        char element[32];
        std::snprintf(element, sizeof element, "Plugin-%08X-%08X", product, id);
        sim::Settings().SetChildText(element, "Tackpin_activate", active ? "1" : "0");
        ASSERT_EQ(plugin.OnStart(), 1);
    }
    // Host id of a panel control.
    static int Id(const MQWidgetBase* widget) { return widget->GetID(); }

    Tackpin plugin;
};
