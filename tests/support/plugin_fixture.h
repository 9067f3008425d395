// Test fixture for end-to-end tests: a fresh simulated host with the built
// plug-in module loaded and initialised, and a check at the end that the
// host saw no breach of its contract.
#pragma once

#include <gtest/gtest.h>

#include "simhost/contract/violations.h"
#include "simhost/host_state.h"
#include "simhost/plugin_module.h"

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        ASSERT_TRUE(plugin.LoadAndInitialize()) << plugin.Error();
        unsigned int product = 0, id = 0;
        plugin.Exports().getPlugInId(&product, &id);
        sim::ExpectSender(product, id);
    }

    void TearDown() override {
        plugin.Unload();
        EXPECT_TRUE(sim::Violations().empty()) << "host contract breaches:\n"
                                               << sim::ViolationReport() << sim::DumpHost();
        sim::ExpectSender(0, 0);
    }

    sim::PluginModule plugin;
};
