// The simulated host's record of contract breaches.
#include <gtest/gtest.h>

#include "simhost/host_state.h"
#include "simhost/violations.h"

namespace {

TEST(Violations, ResetClearsTheRecord) {
    sim::ReportViolation("something");
    EXPECT_EQ(sim::Violations().size(), 1u);
    sim::ResetHost();
    EXPECT_TRUE(sim::Violations().empty());
}

}  // namespace
