// What the enumeration and command entries do for each kind of plug-in.
#include <gtest/gtest.h>

#include <string>

#include "host/entry_points.h"

namespace {

// A menu plug-in whose kind can be set, recording the index it was asked for.
class MenuPlugin : public MQMenuPlugin {
public:
    explicit MenuPlugin(int type) : type_(type) {}
    int lastIndex = -100;
    void GetPlugInID(unsigned int*, unsigned int*) override {}
    const char* GetPlugInName() override { return "menu"; }
    int GetPlugInType() override { return type_; }
    const char* EnumString(int index) override {
        lastIndex = index;
        return "entry";
    }
    int Execute(int index, MQDocument) override { return index + 1; }

private:
    int type_;
};

TEST(EntryPoints, VersionThresholdIs0x4200AndTheAnswer0x420) {
    EXPECT_EQ(host::CheckVersion(0x41FF), 0u);
    EXPECT_EQ(host::CheckVersion(0x4200), 0x420u);
    EXPECT_EQ(host::CheckVersion(0xFFFFFFFFu), 0x420u);
}

TEST(EntryPoints, MenuKindsPassEveryIndexToTheirEnumeration) {
    MenuPlugin plugin(plugin_type::kObject);
    EXPECT_STREQ(host::EnumStringOf(plugin, 3), "entry");
    EXPECT_EQ(plugin.lastIndex, 3);
    EXPECT_STREQ(host::EnumStringOf(plugin, -2), "entry");
    EXPECT_EQ(plugin.lastIndex, -2);
    EXPECT_EQ(host::ExecuteOf(plugin, 4, nullptr), 5);
}

TEST(EntryPoints, KindsOutsideTheRangesGetNull) {
    for (int type : {0, 1, 2, 8, -1}) {
        MenuPlugin plugin(type);
        EXPECT_EQ(host::EnumStringOf(plugin, 0), nullptr) << type;
        EXPECT_EQ(plugin.lastIndex, -100);
    }
}

TEST(EntryPoints, FileEntriesAnswerOnlyForFileKinds) {
    MenuPlugin menu(plugin_type::kCreate);
    EXPECT_EQ(host::EnumFileTypeOf(menu, 0), nullptr);
    EXPECT_EQ(host::EnumFileExtOf(menu, 0), nullptr);
    EXPECT_EQ(host::ImportFileOf(menu, 0, "x", nullptr), 0);
}

TEST(EntryPoints, AKindThatLiesAboutItsClassIsRefused) {
    // Reports a file kind but has no file operations.
    MenuPlugin liar(plugin_type::kImport);
    EXPECT_EQ(host::EnumFileTypeOf(liar, 0), nullptr);
    EXPECT_EQ(host::ImportFileOf(liar, 0, "x", nullptr), 0);
}

}  // namespace
