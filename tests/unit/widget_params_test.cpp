// The mouse and key records filled from the host's event lists.
#include "widgets/widget_params.h"

#include <gtest/gtest.h>

#include "simhost/widgets/widget_events.h"

namespace {

TEST(WidgetParams, ShiftAndCtrlWithoutButtons) {
    int state = 0x0C;
    KeyValuePair list[] = {{"button_state", &state}, {nullptr, nullptr}};
    WidgetMouseParam mouse = ParseMouseParam(list);
    EXPECT_TRUE(mouse.shift);
    EXPECT_TRUE(mouse.ctrl);
    EXPECT_FALSE(mouse.left_button);
    EXPECT_FALSE(mouse.middle_button);
    EXPECT_FALSE(mouse.right_button);
    EXPECT_FALSE(mouse.flag5);
    EXPECT_EQ(mouse.pressure, 0.0f);
}

TEST(WidgetParams, ButtonsAreLeftMiddleRightFromBitsZeroFourOne) {
    int state = 0x01 | 0x10;
    KeyValuePair list[] = {{"button_state", &state}, {nullptr, nullptr}};
    WidgetMouseParam mouse = ParseMouseParam(list);
    EXPECT_TRUE(mouse.left_button);
    EXPECT_TRUE(mouse.middle_button);
    EXPECT_FALSE(mouse.right_button);

    state = 0x02 | 0x20 | 0x40;  // bit 6 means nothing
    mouse = ParseMouseParam(list);
    EXPECT_FALSE(mouse.left_button);
    EXPECT_FALSE(mouse.middle_button);
    EXPECT_TRUE(mouse.right_button);
    EXPECT_TRUE(mouse.flag5);
    EXPECT_FALSE(mouse.shift);
}

TEST(WidgetParams, EveryPositionAndThePressureFloatAreRead) {
    sim::PointerInfo pointer{1, 2, 3, 4, 5, 6, 7, 8, 120, 0, 0.625f};
    sim::EventList list = sim::MouseEventList(1, 1, "mousewheel", pointer);
    WidgetMouseParam mouse = ParseMouseParam(list.Pairs());
    EXPECT_EQ(mouse.client_x, 1);
    EXPECT_EQ(mouse.client_y, 2);
    EXPECT_EQ(mouse.screen_x, 3);
    EXPECT_EQ(mouse.screen_y, 4);
    EXPECT_EQ(mouse.down_x, 5);
    EXPECT_EQ(mouse.down_y, 6);
    EXPECT_EQ(mouse.last_x, 7);
    EXPECT_EQ(mouse.last_y, 8);
    EXPECT_EQ(mouse.wheel_delta, 120);
    EXPECT_FLOAT_EQ(mouse.pressure, 0.625f);
}

TEST(WidgetParams, NullValuesAndNullListGiveZeros) {
    KeyValuePair list[] = {{"client_x", nullptr}, {"button_state", nullptr}, {nullptr, nullptr}};
    WidgetMouseParam mouse = ParseMouseParam(list);
    EXPECT_EQ(mouse.client_x, 0);
    EXPECT_FALSE(mouse.left_button);
    WidgetKeyParam key = ParseKeyParam(nullptr);
    EXPECT_EQ(key.key, 0);
    EXPECT_FALSE(key.auto_repeat);
}

TEST(WidgetParams, KeyRecordTakesKeyRepeatAndModifiers) {
    sim::EventList list = sim::KeyEventList(1, 1, "keyup", 0x41, true, 0x04 | 0x02);
    WidgetKeyParam key = ParseKeyParam(list.Pairs());
    EXPECT_EQ(key.key, 0x41);
    EXPECT_TRUE(key.auto_repeat);
    EXPECT_TRUE(key.shift);
    EXPECT_TRUE(key.right_button);
    EXPECT_FALSE(key.ctrl);
}

}  // namespace
