// A bare station plug-in with chosen ids, for tests of the station services
// apart from Tackpin, and a fixture that connects the linked plug-in code to
// the simulated host the way MQInit does in the host's process.
#pragma once

#include <gtest/gtest.h>

#include "host/plugin_classes.h"
#include "simhost/host_state.h"
#include "simhost/plugin_module.h"
#include "simhost/violations.h"

extern "C" int MQInit(const char* hostModulePath);

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
class StationTest : public ::testing::Test {
protected:
    static constexpr unsigned int kProduct = 0xABCD;
    static constexpr unsigned int kId = 0x12;

    void SetUp() override {
        ASSERT_EQ(MQInit(sim::HostModulePath().c_str()), 1);
        sim::ResetHost();
        sim::ExpectSender(kProduct, kId);
    }

    void TearDown() override {
        EXPECT_TRUE(sim::Violations().empty())
            << "host contract breaches:\n" << sim::ViolationReport() << sim::DumpHost();
        sim::ExpectSender(0, 0);
        sim::ResetHost();
    }

    StationUnderTest station{kProduct, kId};
};
