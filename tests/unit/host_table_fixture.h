// Fixture for the mesh view and marker tests: a linked host with one new
// document, and helpers to build and name vertices.
#pragma once

#include <vector>

#include "simhost/documents/document_model.h"
#include "simhost/documents/mesh_builders.h"
#include "tests/unit/linked_host_test.h"

class HostTableTest : public LinkedHostTest {
protected:
    void SetUp() override {
        LinkedHostTest::SetUp();
        doc = sim::Documents().NewDocument();
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
