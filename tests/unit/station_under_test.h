// A bare station plug-in with chosen ids, for tests of the station services
// apart from Tackpin, and a fixture that connects the linked plug-in code to
// the simulated host the way MQInit does in the host's process.
#pragma once

#include "host/plugin_classes.h"
#include "tests/unit/linked_host_test.h"

class StationUnderTest : public MQStationPlugin {
public:
    StationUnderTest(unsigned int product, unsigned int id) : product_(product), id_(id) {}

    void GetPlugInID(unsigned int* product, unsigned int* id) override {
        *product = product_;
        *id = id_;
    }
    const char* GetPlugInName() override { return "station under test"; }
    int GetPlugInType() override { return plugin_type::kStation; }
    const char* EnumString() override { return "StationUnderTest"; }
    int OnStart() override { return 1; }
    void OnExit() override {}
    int OnActivate(MQDocument, int flag) override { return flag != 0; }
    int IsActivated(MQDocument) override { return 0; }
    void OnDraw(MQDocument, MQScene, int, int) override {}
    void OnLoadDocument(MQDocument, const char*, DocumentDataOption&) override {}
    int OnDocumentEvent210(MQDocument, int) override { return 0; }
    void OnDocumentEvent221(MQDocument) override {}
    void OnDocumentEvent220(MQDocument) override {}

private:
    unsigned int product_;
    unsigned int id_;
};

// A fresh simulated host that expects the station's ids in every message,
// and no breach of the host's contract at the end.
class StationTest : public LinkedHostTest {
protected:
    static constexpr unsigned int kProduct = 0xABCD;
    static constexpr unsigned int kId = 0x12;

    void SetUp() override {
        LinkedHostTest::SetUp();
        sim::ExpectSender(kProduct, kId);
    }

    void TearDown() override {
        LinkedHostTest::TearDown();
        sim::ExpectSender(0, 0);
        sim::ResetHost();
    }

    StationUnderTest station{kProduct, kId};
};
