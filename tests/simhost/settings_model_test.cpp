// The simulated host's settings document: message 505, the five element
// actions, the checks on every handle and record, the faults on demand and
// the settings file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "simhost/contract/violations.h"
#include "simhost/host_state.h"
#include "simhost/settings/settings_model.h"
#include "tests/support/test_temp_path.h"

namespace {

using Strings = std::vector<std::string>;

constexpr int kAdd = 0x101;
constexpr int kRemove = 0x102;
constexpr int kFind = 0x201;
constexpr int kGetText = 0x302;
constexpr int kSetText = 0x402;

class SettingsModel : public ::testing::Test {
protected:
    void SetUp() override { sim::ResetHost(); }
    void TearDown() override { sim::ResetHost(); }

    sim::SettingsModel& model = sim::Settings();

    MQXmlElement Add(MQXmlElement parent, const char* name) {
        void* record[2] = {const_cast<char*>(name), nullptr};
        model.ElementValue(parent, kAdd, record);
        return static_cast<MQXmlElement>(record[1]);
    }
    MQXmlElement Find(MQXmlElement parent, const char* name) {
        void* record[2] = {const_cast<char*>(name), nullptr};
        model.ElementValue(parent, kFind, record);
        return static_cast<MQXmlElement>(record[1]);
    }
    int Remove(MQXmlElement parent, MQXmlElement child) {
        int answer = 0;
        void* record[2] = {child, &answer};
        model.ElementValue(parent, kRemove, record);
        return answer;
    }
    const char* GetText(MQXmlElement element) {
        void* record[1] = {nullptr};
        model.ElementValue(element, kGetText, record);
        return static_cast<const char*>(record[0]);
    }
    void SetText(MQXmlElement element, const char* text) {
        void* record[1] = {const_cast<char*>(text)};
        model.ElementValue(element, kSetText, record);
    }
    // Message 505 as a plug-in sends it.
    std::pair<MQXmlElement, MQXmlElement> AskForSettings() {
        KeyValuePair list[] = {{"root", nullptr}, {"pluginsettings", nullptr}, {nullptr, nullptr}};
        MessageHeader header{1, 2, 0, list};
        model.HandleMessage(header);
        return {static_cast<MQXmlElement>(list[0].value), static_cast<MQXmlElement>(list[1].value)};
    }
    void ExpectOneViolationContaining(const std::string& part) {
        ASSERT_EQ(sim::Violations().size(), 1u) << sim::ViolationReport();
        EXPECT_NE(sim::Violations()[0].find(part), std::string::npos) << sim::Violations()[0];
        sim::ClearViolations();
    }
    void ExpectNoViolations() { EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport(); }
};

TEST_F(SettingsModel, Message505AnswersRootAndPluginSettings) {
    auto [root, settings] = AskForSettings();
    EXPECT_NE(root, nullptr);
    EXPECT_NE(settings, nullptr);
    EXPECT_NE(root, settings);
    EXPECT_EQ(root, model.RootHandle());
    EXPECT_EQ(settings, model.PluginSettingsHandle());
    EXPECT_EQ(Find(root, "pluginsettings"), settings);
    ExpectNoViolations();
}

TEST_F(SettingsModel, Message505WithoutSettingsPlaceLeavesPluginSettingsNull) {
    model.Faults().noPluginSettings = true;
    auto [root, settings] = AskForSettings();
    EXPECT_NE(root, nullptr);
    EXPECT_EQ(settings, nullptr);
    ExpectNoViolations();
}

TEST_F(SettingsModel, Message505ChecksItsKeysAndOutHandles) {
    int junk = 0;
    KeyValuePair list[] = {{"pluginsettings", &junk}, {"rooot", nullptr}, {nullptr, nullptr}};
    MessageHeader header{1, 2, 0, list};
    model.HandleMessage(header);
    ASSERT_EQ(sim::Violations().size(), 2u) << sim::ViolationReport();
    EXPECT_NE(sim::Violations()[0].find("does not start null"), std::string::npos);
    EXPECT_NE(sim::Violations()[1].find("unknown key"), std::string::npos);
    sim::ClearViolations();
}

TEST_F(SettingsModel, AddAppendsAndFindAnswersTheFirstExactMatch) {
    MQXmlElement settings = model.PluginSettingsHandle();
    MQXmlElement own = Add(settings, "Plugin-1");
    MQXmlElement first = Add(own, "PosX");
    Add(own, "posx");
    MQXmlElement second = Add(own, "PosX");
    EXPECT_NE(first, second);
    EXPECT_EQ(Find(own, "PosX"), first);
    EXPECT_EQ(Find(own, "POSX"), nullptr);
    EXPECT_EQ(Find(own, "Pos"), nullptr);
    EXPECT_EQ(model.ChildKeys("Plugin-1"), (Strings{"PosX", "posx", "PosX"}));
    ExpectNoViolations();
}

TEST_F(SettingsModel, TextIsKeptByTheHostAndAnsweredAsUtf8) {
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    MQXmlElement key = Add(own, "r0");
    EXPECT_EQ(GetText(key), nullptr);  // no text yet
    SetText(key, "5.000000e-001");
    EXPECT_STREQ(GetText(key), "5.000000e-001");
    SetText(key, "caf\xC3\xA9");
    EXPECT_STREQ(GetText(key), "caf\xC3\xA9");
    EXPECT_EQ(model.PluginElementText("Plugin-1", "r0"), "caf\xC3\xA9");
    ExpectNoViolations();
}

TEST_F(SettingsModel, RemoveTakesTheChildOutAndItsHandleGoesStale) {
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    MQXmlElement x = Add(own, "PosX");
    MQXmlElement inner = Add(x, "inner");
    Add(own, "PosY");
    EXPECT_EQ(Remove(own, x), 1);
    EXPECT_EQ(model.ChildKeys("Plugin-1"), Strings{"PosY"});
    ExpectNoViolations();
    GetText(x);
    ExpectOneViolationContaining("stale");
    GetText(inner);
    ExpectOneViolationContaining("stale");
}

TEST_F(SettingsModel, RemoveOfAnElementThatIsNoChildIsABreach) {
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    MQXmlElement other = Add(model.PluginSettingsHandle(), "Plugin-2");
    MQXmlElement x = Add(other, "PosX");
    EXPECT_EQ(Remove(own, x), 0);
    ExpectOneViolationContaining("is not a child");
    EXPECT_EQ(model.ChildKeys("Plugin-2"), Strings{"PosX"});
}

TEST_F(SettingsModel, NullStaleAndUnknownElementsAreBreaches) {
    SetText(nullptr, "1");
    ExpectOneViolationContaining("null element");
    SetText(reinterpret_cast<MQXmlElement>(0x1234), "1");
    ExpectOneViolationContaining("unknown element");
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    sim::ResetHost();  // a new host: every handle of the old one is stale
    Find(own, "PosX");
    ExpectOneViolationContaining("stale");
}

TEST_F(SettingsModel, MalformedCallsAreBreaches) {
    MQXmlElement settings = model.PluginSettingsHandle();
    model.ElementValue(settings, 0x999, nullptr);
    ExpectOneViolationContaining("unknown action");
    model.ElementValue(settings, kFind, nullptr);
    ExpectOneViolationContaining("null record");
    Add(settings, nullptr);
    ExpectOneViolationContaining("null name");
    Add(settings, "caf\xE9");  // a code-page byte, not UTF-8
    ExpectOneViolationContaining("not UTF-8");
    SetText(settings, nullptr);
    ExpectOneViolationContaining("null text");

    MQXmlElement junk = settings;
    void* find[2] = {const_cast<char*>("x"), junk};
    model.ElementValue(settings, kFind, find);
    ExpectOneViolationContaining("does not start null");
    int answer = 5;
    void* remove[2] = {Add(settings, "x"), &answer};
    model.ElementValue(settings, kRemove, remove);
    ExpectOneViolationContaining("answer does not start 0");
    void* removeWithoutAnswer[2] = {Add(settings, "y"), nullptr};
    model.ElementValue(settings, kRemove, removeWithoutAnswer);
    ExpectOneViolationContaining("null answer");
    EXPECT_EQ(model.PluginElementNames(), Strings{"y"});
}

TEST_F(SettingsModel, FaultsRefuseElementsAndText) {
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    MQXmlElement x = Add(own, "PosX");
    SetText(x, "120");
    model.Faults().refuseNewElements = true;
    model.Faults().nullElementText = true;
    EXPECT_EQ(Add(own, "PosY"), nullptr);
    EXPECT_EQ(GetText(x), nullptr);
    EXPECT_EQ(model.ChildKeys("Plugin-1"), Strings{"PosX"});
    ExpectNoViolations();
    sim::ResetHost();
    EXPECT_FALSE(model.Faults().refuseNewElements);
    EXPECT_FALSE(model.Faults().nullElementText);
}

// Null for an element without text, or "" when the host is told to answer so.
TEST_F(SettingsModel, ElementWithoutTextAnswersNullOrEmptyText) {
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    MQXmlElement x = Add(own, "PosX");
    EXPECT_EQ(GetText(x), nullptr);
    model.Faults().emptyTextAsEmptyString = true;
    EXPECT_STREQ(GetText(x), "");
    SetText(x, "7");
    EXPECT_STREQ(GetText(x), "7");
    ExpectNoViolations();
}

TEST_F(SettingsModel, CallsAreLoggedWithElementAndArgument) {
    MQXmlElement own = Add(model.PluginSettingsHandle(), "Plugin-1");
    SetText(Add(own, "PosX"), "7");
    ASSERT_EQ(model.Calls().size(), 3u);
    EXPECT_EQ(model.Calls()[0].action, kAdd);
    EXPECT_EQ(model.Calls()[0].element, "pluginsettings");
    EXPECT_EQ(model.Calls()[0].argument, "Plugin-1");
    EXPECT_EQ(model.Calls()[2].action, kSetText);
    EXPECT_EQ(model.Calls()[2].element, "PosX");
    EXPECT_EQ(model.Calls()[2].argument, "7");
}

TEST_F(SettingsModel, TestApiPreparesAndReadsPluginElements) {
    model.SetChildText("Plugin-1", "PosX", "1");
    model.SetChildText("Plugin-1", "PosX", "2");
    model.AddChild("Plugin-1", "PosX", "3");
    EXPECT_EQ(model.ChildKeys("Plugin-1"), (Strings{"PosX", "PosX"}));
    EXPECT_EQ(model.PluginElementText("Plugin-1", "PosX"), "2");
    EXPECT_EQ(model.PluginElementText("Plugin-1", "PosY"), std::nullopt);
    EXPECT_EQ(model.PluginElementText("Plugin-2", "PosX"), std::nullopt);
    EXPECT_EQ(model.PluginElementNames(), Strings{"Plugin-1"});
}

TEST_F(SettingsModel, DumpShowsTheDocument) {
    model.SetChildText("Plugin-1", "PosX", "120");
    std::string dump = model.Dump();
    EXPECT_NE(dump.find("<pluginsettings>"), std::string::npos) << dump;
    EXPECT_NE(dump.find("<PosX>120</PosX>"), std::string::npos) << dump;
    EXPECT_NE(sim::DumpHost().find("<Plugin-1>"), std::string::npos);
}

class SettingsFile : public SettingsModel {
protected:
    void TearDown() override {
        std::remove(path.c_str());
        SettingsModel::TearDown();
    }
    const std::string path = test_support::TestTempPath("tackpin-simhost-settings", ".xml");
};

TEST_F(SettingsFile, ADocumentSavedIsLoadedByTheNextHost) {
    model.SetChildText("Plugin-1", "PosX", "120");
    model.SetChildText("Plugin-1", "blank", " ");
    model.SetChildText("Plugin-1", "caf\xC3\xA9", "\xC3\xA9t\xC3\xA9 & <more>");
    model.AddChild("Plugin-1", "PosX", "2");
    model.SetChildText("Plugin-2", "r0", "5.000000e-001");
    ASSERT_TRUE(model.SaveToFile(path));

    sim::ResetHost();
    EXPECT_TRUE(model.PluginElementNames().empty());
    ASSERT_TRUE(model.LoadFromFile(path));
    EXPECT_EQ(model.PluginElementNames(), (Strings{"Plugin-1", "Plugin-2"}));
    EXPECT_EQ(model.ChildKeys("Plugin-1"), (Strings{"PosX", "blank", "caf\xC3\xA9", "PosX"}));
    EXPECT_EQ(model.PluginElementText("Plugin-1", "PosX"), "120");
    EXPECT_EQ(model.PluginElementText("Plugin-1", "blank"), " ");
    EXPECT_EQ(model.PluginElementText("Plugin-1", "caf\xC3\xA9"), "\xC3\xA9t\xC3\xA9 & <more>");
    EXPECT_EQ(model.PluginElementText("Plugin-2", "r0"), "5.000000e-001");
    auto [root, settings] = AskForSettings();
    EXPECT_NE(Find(settings, "Plugin-2"), nullptr);
    ExpectNoViolations();
}

TEST_F(SettingsFile, LoadingReplacesTheDocumentAndOldHandlesGoStale) {
    model.SetChildText("Plugin-1", "PosX", "120");
    ASSERT_TRUE(model.SaveToFile(path));
    MQXmlElement oldSettings = model.PluginSettingsHandle();
    model.SetChildText("Plugin-9", "PosX", "0");
    ASSERT_TRUE(model.LoadFromFile(path));
    EXPECT_EQ(model.PluginElementNames(), Strings{"Plugin-1"});
    Find(oldSettings, "Plugin-1");
    ExpectOneViolationContaining("stale");
}

TEST_F(SettingsFile, MissingFileLeavesTheDocumentAsItWas) {
    model.SetChildText("Plugin-1", "PosX", "120");
    EXPECT_FALSE(model.LoadFromFile(path + ".missing"));
    EXPECT_EQ(model.PluginElementText("Plugin-1", "PosX"), "120");
}

}  // namespace
