// The host's table of handles: live, stale and of which kind, and bounded
// in a process that resets the host again and again.
#include "simhost/contract/handle_table.h"

#include <gtest/gtest.h>

namespace {

using sim::HandleKind;
using sim::HandleTable;

TEST(HandleTable, TokensAreLiveStaleOrForgottenLongAfterAReset) {
    HandleTable table;
    int thing = 0;
    void* old = table.Issue(HandleKind::Object, &thing);
    void* scene = table.Issue(HandleKind::Scene, &thing);
    table.RetireAll(HandleKind::Object);
    ASSERT_NE(table.Find(old), nullptr);
    EXPECT_EQ(table.Find(old)->target, nullptr);
    EXPECT_TRUE(table.Find(old)->reset);
    EXPECT_EQ(table.Find(scene)->target, &thing);  // another kind stays live

    // Many host runs later the oldest stale tokens are let go; live ones and
    // the recent ones stay known.
    void* recent = nullptr;
    for (std::size_t i = 0; i < 2 * HandleTable::kRemembered; ++i) {
        recent = table.Issue(HandleKind::Object, &thing);
        if (i % 64 == 0) table.RetireAll(HandleKind::Object);
    }
    table.RetireAll(HandleKind::Object);
    EXPECT_EQ(table.Find(old), nullptr);
    ASSERT_NE(table.Find(recent), nullptr);
    EXPECT_TRUE(table.Find(recent)->reset);
    ASSERT_NE(table.Find(scene), nullptr);
    EXPECT_EQ(table.Find(scene)->target, &thing);
    EXPECT_NE(table.Issue(HandleKind::Object, &thing), recent);
}

}  // namespace
