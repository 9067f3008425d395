// The plug-in's settings element and MQSetting, against the simulated
// host's settings document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/mq_setting.h"
#include "host/station_messages.h"
#include "platform/platform.h"
#include "simhost/settings/settings_model.h"
#include "tests/support/test_temp_path.h"
#include "tests/unit/station_under_test.h"

namespace {

constexpr char kElement[] = "Plugin-0000ABCD-00000012";
constexpr int kAdd = 0x101;
constexpr int kFind = 0x201;
constexpr int kGetText = 0x302;
constexpr int kSet = 0x402;

using Strings = std::vector<std::string>;

int CallsOf(int action) {
    const auto& calls = sim::Settings().Calls();
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const sim::XmlCall& c) { return c.action == action; }));
}

using SettingElement = StationTest;

TEST(SettingElementName, IdsAreEightUpperCaseHexDigitsZeroFilled) {
    EXPECT_EQ(host::SettingElementName(0xABCD, 0x12), "Plugin-0000ABCD-00000012");
    EXPECT_EQ(host::SettingElementName(0xFFFFFFFF, 0), "Plugin-FFFFFFFF-00000000");
}

TEST_F(SettingElement, IsAppendedExactlyOnceWhenMissing) {
    std::unique_ptr<MQSetting> setting = station.OpenSetting();
    ASSERT_NE(setting, nullptr);
    EXPECT_NE(setting->OwnElement(), nullptr);
    EXPECT_EQ(setting->PluginSettingsElement(), sim::Settings().PluginSettingsHandle());
    EXPECT_EQ(setting->Name(), kElement);
    EXPECT_EQ(sim::Settings().PluginElementNames(), Strings{kElement});
    ASSERT_EQ(sim::SentMessages().size(), 1u);
    EXPECT_EQ(sim::SentMessages()[0].number, 505);
    EXPECT_EQ(sim::SentMessages()[0].keys, (Strings{"root", "pluginsettings"}));

    // The next run finds it.
    setting = station.OpenSetting();
    EXPECT_EQ(sim::Settings().PluginElementNames(), Strings{kElement});
    EXPECT_EQ(CallsOf(kAdd), 1);
}

TEST_F(SettingElement, IsFoundWhenPresentAndNothingIsAppended) {
    sim::Settings().AddChild("Plugin-00000001-00000001", "PosX", "5");
    sim::Settings().SetChildText(kElement, "PosX", "120");
    std::unique_ptr<MQSetting> setting = station.OpenSetting();
    ASSERT_NE(setting, nullptr);
    EXPECT_EQ(CallsOf(kAdd), 0);
    EXPECT_EQ(sim::Settings().PluginElementNames(),
              (Strings{"Plugin-00000001-00000001", kElement}));
    int x = 0;
    setting->Load("PosX", x, -1);
    EXPECT_EQ(x, 120);
}

TEST_F(SettingElement, NoneWithoutASettingsPlace) {
    sim::Settings().Faults().noPluginSettings = true;
    EXPECT_EQ(station.OpenSetting(), nullptr);
    EXPECT_TRUE(sim::Settings().Calls().empty());
}

// A host that makes no element leaves the setting without one: every value
// loads as its default and nothing is sent about a null element.
TEST_F(SettingElement, WithoutOwnElementLoadsDefaultsAndSavesNothing) {
    sim::Settings().Faults().refuseNewElements = true;
    std::unique_ptr<MQSetting> setting = station.OpenSetting();
    ASSERT_NE(setting, nullptr);
    EXPECT_EQ(setting->OwnElement(), nullptr);
    std::size_t callsAfterOpen = sim::Settings().Calls().size();
    int x = 7;
    setting->Load("PosX", x, -1);
    setting->Save("PosX", 3);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(sim::Settings().Calls().size(), callsAfterOpen);
}

class SettingStore : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        if (HasFatalFailure()) return;
        setting = station.OpenSetting();
        ASSERT_NE(setting, nullptr);
    }
    void TearDown() override {
        setting.reset();
        StationTest::TearDown();
    }
    std::string Text(const std::string& key) {
        return sim::Settings().PluginElementText(kElement, key).value_or("(missing)");
    }
    Strings Keys() { return sim::Settings().ChildKeys(kElement); }

    std::unique_ptr<MQSetting> setting;
};

TEST_F(SettingStore, ValuesAreWrittenInTheSettingsFilesForm) {
    setting->Save("on", true);
    setting->Save("off", false);
    setting->Save("n", -5);
    setting->Save("half", 0.5f);
    setting->Save("one", 1.0f);
    EXPECT_EQ(Text("on"), "1");
    EXPECT_EQ(Text("off"), "0");
    EXPECT_EQ(Text("n"), "-5");
    EXPECT_EQ(Text("half"), "5.000000e-001");
    EXPECT_EQ(Text("one"), "1.000000e+000");
}

TEST_F(SettingStore, SavingMovesTheKeyBehindItsSiblingsAndLeavesItOnce) {
    setting->Save("PosX", 1);
    setting->Save("PosY", 2);
    setting->Save("r0", 0.5f);
    setting->Save("PosX", 3);
    EXPECT_EQ(Keys(), (Strings{"PosY", "r0", "PosX"}));
    setting->Save("PosX", 4);
    EXPECT_EQ(Keys(), (Strings{"PosY", "r0", "PosX"}));
    EXPECT_EQ(Text("PosX"), "4");
}

TEST_F(SettingStore, OfTwoChildrenOfOneKeyTheFirstIsReadAndReplaced) {
    sim::Settings().AddChild(kElement, "PosX", "10");
    sim::Settings().AddChild(kElement, "PosY", "20");
    sim::Settings().AddChild(kElement, "PosX", "30");
    int x = 0;
    setting->Load("PosX", x, -1);
    EXPECT_EQ(x, 10);
    setting->Save("PosX", 40);
    EXPECT_EQ(Keys(), (Strings{"PosY", "PosX", "PosX"}));
    EXPECT_EQ(Text("PosX"), "30");  // the kept second one now comes first
    setting->Load("PosX", x, -1);
    EXPECT_EQ(x, 30);
}

// The parsing rules themselves are pinned with the value forms; here, that
// each kind reaches them and that missing or empty text gives the default.
TEST_F(SettingStore, TextIsReadByItsKindAndMissingOrEmptyGivesTheDefault) {
    sim::Settings().SetChildText(kElement, "PosX", "12abc");
    sim::Settings().SetChildText(kElement, "PosY", "abc");
    sim::Settings().SetChildText(kElement, "empty", "");
    sim::Settings().SetChildText(kElement, "Tackpin_activate", "-1");
    sim::Settings().SetChildText(kElement, "r0", "0.25");
    sim::Settings().SetChildText(kElement, "g0", "5.000000e-01");
    int x = 0, y = 9, empty = 0, missing = 0;
    bool active = false, word = true;
    float red = 0.0f, green = 0.0f;
    setting->Load("PosX", x, -1);
    setting->Load("PosY", y, -1);
    setting->Load("empty", empty, -1);
    setting->Load("missing", missing, -1);
    setting->Load("Tackpin_activate", active, false);
    sim::Settings().SetChildText(kElement, "Tackpin_activate", "true");
    setting->Load("Tackpin_activate", word, true);
    setting->Load("r0", red, 1.0f);
    setting->Load("g0", green, 1.0f);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(empty, -1);
    EXPECT_EQ(missing, -1);
    EXPECT_TRUE(active);
    EXPECT_FALSE(word);
    EXPECT_FLOAT_EQ(red, 0.25f);
    EXPECT_FLOAT_EQ(green, 0.5f);
}

TEST_F(SettingStore, HostWithoutTextGivesTheDefault) {
    sim::Settings().SetChildText(kElement, "PosX", "120");
    sim::Settings().Faults().nullElementText = true;
    int x = 0;
    setting->Load("PosX", x, -1);
    EXPECT_EQ(x, -1);
}

TEST_F(SettingStore, LoadingOnlyFindsAndReads) {
    sim::Settings().SetChildText(kElement, "PosX", "120");
    const std::size_t before = sim::Settings().Calls().size();
    int x = 0;
    setting->Load("PosX", x, -1);
    setting->Load("PosY", x, -1);
    EXPECT_EQ(Keys(), Strings{"PosX"});
    std::vector<int> actions;
    for (std::size_t i = before; i < sim::Settings().Calls().size(); ++i)
        actions.push_back(sim::Settings().Calls()[i].action);
    EXPECT_EQ(actions, (std::vector<int>{kFind, kGetText, kFind}));
}

// The host making no element for a saved value must not be handed text for
// a null element; the old value is gone, as the save removed it first.
TEST_F(SettingStore, SaveSkipsTheTextWhenTheHostMakesNoElement) {
    setting->Save("PosX", 1);
    sim::Settings().Faults().refuseNewElements = true;
    setting->Save("PosX", 2);
    setting->Save("PosY", 3);
    EXPECT_EQ(CallsOf(kSet), 1);
    EXPECT_TRUE(Keys().empty());
}

TEST_F(SettingStore, KeyOutsideAsciiReachesTheHostAsUtf8) {
    // The key in the system's ANSI code page, whatever that is here.
    const char16_t wide[] = u"Farbe-\u00e9";
    const std::string utf8 = "Farbe-\xC3\xA9";
    char ansi[32] = {};
    int length = platform::WideToMultiByte(platform::kAnsiCodePage, wide, -1, ansi, sizeof ansi);
    char16_t back[32] = {};
    platform::MultiByteToWide(platform::kAnsiCodePage, ansi, -1, back, 32);
    if (length <= 0 || std::u16string(back) != wide)
        GTEST_SKIP() << "the ANSI code page has no e with acute accent";

    setting->Save(ansi, 7);
    EXPECT_EQ(Keys(), Strings{utf8});
    int value = 0;
    setting->Load(ansi, value, -1);
    EXPECT_EQ(value, 7);
    for (const sim::XmlCall& call : sim::Settings().Calls()) {
        if (call.element == kElement) {
            EXPECT_EQ(call.argument, utf8) << call.action;
        }
    }
}

// The host stores its document at exit and reads it at the next start.
TEST_F(SettingStore, ValuesSavedInOneRunOfTheHostAreLoadedInTheNext) {
    setting->Save("Tackpin_activate", true);
    setting->Save("PosX", 120);
    setting->Save("r1", 0.25f);
    setting.reset();
    const std::string path = test_support::TestTempPath("tackpin-settings-roundtrip", ".xml");
    ASSERT_TRUE(sim::Settings().SaveToFile(path));
    EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport();

    sim::ResetHost();
    sim::ExpectSender(kProduct, kId);
    ASSERT_TRUE(sim::Settings().PluginElementNames().empty());
    ASSERT_TRUE(sim::Settings().LoadFromFile(path));
    std::remove(path.c_str());

    setting = station.OpenSetting();
    ASSERT_NE(setting, nullptr);
    bool active = false;
    int x = 0;
    float red = 0.0f;
    setting->Load("Tackpin_activate", active, false);
    setting->Load("PosX", x, -1);
    setting->Load("r1", red, 1.0f);
    EXPECT_TRUE(active);
    EXPECT_EQ(x, 120);
    EXPECT_FLOAT_EQ(red, 0.25f);
    EXPECT_EQ(CallsOf(kAdd), 0);
}

}  // namespace
