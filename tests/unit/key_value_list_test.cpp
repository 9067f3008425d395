// Look-ups in the host's argument lists.
#include <gtest/gtest.h>

#include "host/key_value_list.h"

namespace {

TEST(KeyValueList, NullListGivesNullAndThePreset) {
    EXPECT_EQ(host::FindValue(nullptr, "width"), nullptr);
    EXPECT_EQ(host::FindIntValue(nullptr, "width", 7), 7);
}

TEST(KeyValueList, FirstPairDecidesEvenWhenItsValueIsNull) {
    int second = 42;
    KeyValuePair list[] = {{"width", nullptr}, {"width", &second}, {nullptr, nullptr}};
    EXPECT_EQ(host::FindValue(list, "width"), nullptr);
    EXPECT_EQ(host::FindIntValue(list, "width", 1), 1);
}

TEST(KeyValueList, KeysMatchExactlyAndCaseSensitively) {
    int value = 5;
    KeyValuePair list[] = {{"Width", &value}, {"stateful", &value}, {nullptr, nullptr}};
    EXPECT_EQ(host::FindIntValue(list, "width", -1), -1);
    EXPECT_EQ(host::FindIntValue(list, "state", -1), -1);
    EXPECT_EQ(host::FindIntValue(list, "Width", -1), 5);
}

TEST(KeyValueList, ScanStopsAtTheFirstNullKey) {
    int value = 9;
    KeyValuePair list[] = {{nullptr, nullptr}, {"width", &value}, {nullptr, nullptr}};
    EXPECT_EQ(host::FindValue(list, "width"), nullptr);
}

TEST(KeyValueList, PressureIsReadAsAFloat) {
    float pressure = 0.75f;
    KeyValuePair list[] = {{"pressure", &pressure}, {nullptr, nullptr}};
    EXPECT_FLOAT_EQ(host::FindFloatValue(list, "pressure", 0.0f), 0.75f);
    EXPECT_FLOAT_EQ(host::FindFloatValue(list, "missing", 0.0f), 0.0f);
}

}  // namespace
