// The text forms of settings values: what is written, and how leniently
// text from existing settings files is read.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "host/setting_value_text.h"

namespace {

using namespace host::value_text;

TEST(SettingValueText, BooleansAndIntegersAreWrittenAsPlainDecimals) {
    EXPECT_EQ(FormatBool(true), u"1");
    EXPECT_EQ(FormatBool(false), u"0");
    EXPECT_EQ(FormatInt(-5), u"-5");
    EXPECT_EQ(FormatInt(120), u"120");
    EXPECT_EQ(FormatInt(std::numeric_limits<int>::min()), u"-2147483648");
}

TEST(SettingValueText, FloatsHaveSixFractionDigitsAndAThreeDigitExponent) {
    EXPECT_EQ(FormatFloat(1.0f), u"1.000000e+000");
    EXPECT_EQ(FormatFloat(0.5f), u"5.000000e-001");
    EXPECT_EQ(FormatFloat(0.0f), u"0.000000e+000");
    EXPECT_EQ(FormatFloat(-0.25f), u"-2.500000e-001");
    EXPECT_EQ(FormatFloat(1e30f), u"1.000000e+030");
    // The float widened to double: its own digits, not the decimal it came from.
    EXPECT_EQ(FormatFloat(0.1f), u"1.000000e-001");
    EXPECT_EQ(FormatFloat(0.3f), u"3.000000e-001");
}

TEST(SettingValueText, IntegersReadTheLeadingDecimalOnly) {
    EXPECT_EQ(ParseInt(u"12abc"), 12);
    EXPECT_EQ(ParseInt(u"abc"), 0);
    EXPECT_EQ(ParseInt(u""), 0);
    EXPECT_EQ(ParseInt(u"  -7 8"), -7);
    EXPECT_EQ(ParseInt(u"\t+42"), 42);
    EXPECT_EQ(ParseInt(u"- 3"), 0);
    EXPECT_EQ(ParseInt(u"1.9"), 1);
    EXPECT_EQ(ParseInt(u"x12"), 0);
}

TEST(SettingValueText, IntegersBeyond32BitsStopAtTheLimits) {
    EXPECT_EQ(ParseInt(u"2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseInt(u"-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(ParseInt(u"99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseInt(u"-99999999999999999999"), std::numeric_limits<int>::min());
}

TEST(SettingValueText, BooleansAreTrueForAnyNonzeroInteger) {
    EXPECT_FALSE(ParseBool(u"0"));
    EXPECT_TRUE(ParseBool(u"1"));
    EXPECT_TRUE(ParseBool(u"2"));
    EXPECT_TRUE(ParseBool(u"-1"));
    EXPECT_FALSE(ParseBool(u"true"));
    EXPECT_FALSE(ParseBool(u"abc"));
}

TEST(SettingValueText, FloatsAcceptBothExponentWidthsAndPlainDecimals) {
    EXPECT_FLOAT_EQ(ParseFloat(u"5.000000e-001"), 0.5f);
    EXPECT_FLOAT_EQ(ParseFloat(u"5.000000e-01"), 0.5f);
    EXPECT_FLOAT_EQ(ParseFloat(u"1.000000e+000"), 1.0f);
    EXPECT_FLOAT_EQ(ParseFloat(u"1.000000e+00"), 1.0f);
    EXPECT_FLOAT_EQ(ParseFloat(u"0.25"), 0.25f);
    EXPECT_FLOAT_EQ(ParseFloat(u"  +0.75"), 0.75f);
    EXPECT_FLOAT_EQ(ParseFloat(u"-2"), -2.0f);
    EXPECT_FLOAT_EQ(ParseFloat(u"3.5abc"), 3.5f);
    EXPECT_FLOAT_EQ(ParseFloat(u"1e2"), 100.0f);
}

TEST(SettingValueText, FloatTextThatIsNoNumberGivesZero) {
    EXPECT_EQ(ParseFloat(u"abc"), 0.0f);
    EXPECT_EQ(ParseFloat(u""), 0.0f);
    EXPECT_EQ(ParseFloat(u"+-1"), 0.0f);
    EXPECT_EQ(ParseFloat(u"\u00e91.5"), 0.0f);
}

TEST(SettingValueText, FloatsOutsideTheFloatRangeSaturate) {
    EXPECT_EQ(ParseFloat(u"1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ParseFloat(u"-1e400"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(ParseFloat(u"1e-400"), 0.0f);
}

TEST(SettingValueText, SevenDigitFloatsReadBackExactly) {
    for (float value : {1.0f, 0.5f, 0.0f, 0.123457f, 0.8f, -3.25f})
        EXPECT_EQ(ParseFloat(FormatFloat(value)), value) << value;
}

// A process whose locale writes decimal commas still reads and writes the
// settings files' form.
TEST(SettingValueText, FormsDoNotDependOnTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous != nullptr ? previous : "C";
    bool changed = false;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252", "de-DE", "French"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            changed = true;
            break;
        }
    }
    if (!changed) GTEST_SKIP() << "no locale with a decimal comma on this system";
    std::u16string written = FormatFloat(0.5f);
    float read = ParseFloat(u"0.25");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(written, u"5.000000e-001");
    EXPECT_FLOAT_EQ(read, 0.25f);
}

}  // namespace
