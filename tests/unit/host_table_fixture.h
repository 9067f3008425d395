// Fixture for unit tests of plug-in code linked into the test: a fresh
// simulated host, the host table filled by MQInit's resolution against it,
// and a check at the end that the host saw no breach of its contract.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "host/host_api.h"
#include "simhost/document_model.h"
#include "simhost/host_state.h"
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

    // A flat grid of columns x rows quads on a fresh object. Vertex (i, j) is
    // j * (columns + 1) + i; quad (i, j) is j * columns + i with the points
    // (i, j) (i+1, j) (i+1, j+1) (i, j+1).
    static void AddGrid(MQObject obj, int columns, int rows) {
        for (int j = 0; j <= rows; ++j) {
            for (int i = 0; i <= columns; ++i) {
                sim::Documents().AddVertex(obj, {static_cast<float>(i), static_cast<float>(j), 0.0f});
            }
        }
        const int stride = columns + 1;
        for (int j = 0; j < rows; ++j) {
            for (int i = 0; i < columns; ++i) {
                const int corner = j * stride + i;
                sim::Documents().AddFace(obj, {corner, corner + 1, corner + 1 + stride, corner + stride});
            }
        }
    }

    // Unique id of vertex `index` of `obj`.
    static int Uid(MQObject obj, int index) { return sim::Documents().VertexUniqueId(obj, index); }

    MQDocument doc = nullptr;
};
