// Base fixture for unit tests of plug-in code linked into the test: a fresh
// simulated host, the host table filled from it the way MQInit does, and a
// check at the end that the host saw no breach of its contract.
#pragma once

#include <gtest/gtest.h>

#include "host/host_api.h"
#include "simhost/contract/violations.h"
#include "simhost/host_state.h"
#include "simhost/plugin_module.h"

class LinkedHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        ASSERT_EQ(host::ResolveHostFunctions(sim::HostModulePath().c_str()), 1);
    }

    void TearDown() override {
        EXPECT_TRUE(sim::Violations().empty()) << "host contract breaches:\n"
                                               << sim::ViolationReport() << sim::DumpHost();
    }
};
