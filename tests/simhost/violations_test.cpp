// The simulated host's record of contract breaches, and the breaches that
// its station door (messages, view refresh, forbidden functions) reports.
#include <gtest/gtest.h>

#include "simhost/contract/violations.h"
#include "simhost/host_state.h"

extern "C" {
int MQ_SendMessage(int message, MessageHeader* record);
void MQ_RefreshView(void* options);
void MQ_GetWindowHandle();
void MQObj_Delete();
}

namespace {

class StationDoor : public ::testing::Test {
protected:
    void SetUp() override { sim::ResetHost(); }
    void TearDown() override { sim::ExpectSender(0, 0); }

    // The one breach recorded since set-up.
    std::string OnlyViolation() const {
        EXPECT_EQ(sim::Violations().size(), 1u) << sim::ViolationReport();
        return sim::Violations().empty() ? std::string() : sim::Violations().front();
    }
};

TEST_F(StationDoor, ResetClearsTheRecord) {
    sim::ReportViolation("something");
    EXPECT_EQ(sim::Violations().size(), 1u);
    sim::ResetHost();
    EXPECT_TRUE(sim::Violations().empty());
}

TEST_F(StationDoor, ForbiddenFunctionsAreReportedByName) {
    MQ_GetWindowHandle();
    EXPECT_EQ(OnlyViolation(), "unexpected call: MQ_GetWindowHandle");
    sim::ClearViolations();
    MQObj_Delete();
    EXPECT_EQ(OnlyViolation(), "unexpected call: MQObj_Delete");
}

TEST_F(StationDoor, MessageWithoutRecordOrOptionIsReported) {
    MQ_SendMessage(200, nullptr);
    EXPECT_EQ(OnlyViolation(), "MQ_SendMessage(200): null message record");
    sim::ClearViolations();
    MessageHeader header{};
    MQ_SendMessage(410, &header);
    EXPECT_EQ(OnlyViolation(), "MQ_SendMessage(410): no option");
}

TEST_F(StationDoor, UnknownMessageNumberIsReported) {
    int zero = 0;
    MessageHeader header{0, 0, 0, &zero};
    MQ_SendMessage(999, &header);
    EXPECT_EQ(OnlyViolation(), "MQ_SendMessage(999): unknown message number");
}

TEST_F(StationDoor, SenderMustBeThePluginItself) {
    sim::ExpectSender(0xABCD, 0x12);
    int zero = 0;
    MessageHeader header{0xABCD, 0x13, 0, &zero};
    MQ_SendMessage(100, &header);
    EXPECT_EQ(OnlyViolation(), "MQ_SendMessage(100): sender ids are not the plug-in's own");
    EXPECT_EQ(sim::DeactivateNotices(), 1);
}

TEST_F(StationDoor, DeactivationNoticeCarriesState0AndAZeroReservedField) {
    int one = 1;
    MessageHeader header{1, 2, 5, &one};
    MQ_SendMessage(100, &header);
    ASSERT_EQ(sim::Violations().size(), 2u) << sim::ViolationReport();
    EXPECT_EQ(sim::Violations()[0], "MQ_SendMessage(100): reserved field is not 0");
    EXPECT_EQ(sim::Violations()[1],
              "MQ_SendMessage(100): deactivation notice with a nonzero state");
    ASSERT_EQ(sim::SentMessages().size(), 1u);
    EXPECT_EQ(sim::SentMessages()[0].flag, 1);
    EXPECT_EQ(sim::SentMessages()[0].header.reserved, 5);
}

TEST_F(StationDoor, RefreshTakesOnlyANullArgument) {
    MQ_RefreshView(nullptr);
    EXPECT_EQ(sim::RefreshRequests(), 1);
    EXPECT_TRUE(sim::Violations().empty());
    int options = 0;
    MQ_RefreshView(&options);
    EXPECT_EQ(OnlyViolation(), "MQ_RefreshView: options are not null");
}

}  // namespace
