// Fixture for unit tests of plug-in code linked into the test: a fresh
// simulated host, the host table filled by MQInit's resolution against it,
// and a check at the end that the host saw no breach of its contract.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "host/host_api.h"
#include "simhost/document_model.h"
#include "simhost/host_state.h"
#include "simhost/mesh_builders.h"
#include "simhost/plugin_module.h"
#include "simhost/violations.h"

class HostTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        ASSERT_EQ(host::ResolveHostFunctions(sim::HostModulePath().c_str()), 1);
        doc = sim::Documents().NewDocument();
    }

    void TearDown() override {
        EXPECT_TRUE(sim::Violations().empty())
            << "host contract breaches:\n" << sim::ViolationReport() << sim::DumpHost();
    }

    // Adds vertices at the given positions; their indices, in order.
    std::vector<int> AddVertices(MQObject obj, const std::vector<sim::Vec3>& positions) {
        std::vector<int> indices;
        for (const sim::Vec3& p : positions) indices.push_back(sim::Documents().AddVertex(obj, p));
        return indices;
    }

    // Unique id of vertex `index` of `obj`.
    static int Uid(MQObject obj, int index) { return sim::Documents().VertexUniqueId(obj, index); }

    MQDocument doc = nullptr;
};
