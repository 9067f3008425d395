// What the enumeration and command entries do for each kind of plug-in.
#include <gtest/gtest.h>

#include <string>

#include "host/entry_points.h"

namespace {

// A plug-in of no class beyond the root, whose kind can be set.
class KindPlugin : public MQBasePlugin {
public:
    explicit KindPlugin(int type) : type_(type) {}
    void GetPlugInID(unsigned int*, unsigned int*) override {}
    const char* GetPlugInName() override { return "kind"; }
    int GetPlugInType() override { return type_; }

private:
    int type_;
};

TEST(EntryPoints, VersionThresholdIs0x4200AndTheAnswer0x420) {
    EXPECT_EQ(host::CheckVersion(0x41FF), 0u);
    EXPECT_EQ(host::CheckVersion(0x4200), 0x420u);
    EXPECT_EQ(host::CheckVersion(0xFFFFFFFFu), 0x420u);
}

// The module holds no menu plug-in class: the menu kinds (3 to 5) name
// nothing at any index, nor do kinds outside the ranges.
TEST(EntryPoints, MenuKindsAndKindsOutsideTheRangesGetNull) {
    for (int type : {0, 1, 2, 3, 4, 5, 8, -1}) {
        KindPlugin plugin(type);
        for (int index : {0, 3, -2}) EXPECT_EQ(host::EnumStringOf(plugin, index), nullptr) << type;
    }
}

TEST(EntryPoints, FileEntriesAnswerOnlyForFileKinds) {
    KindPlugin menu(plugin_type::kCreate);
    EXPECT_EQ(host::EnumFileTypeOf(menu, 0), nullptr);
    EXPECT_EQ(host::EnumFileExtOf(menu, 0), nullptr);
    EXPECT_EQ(host::ImportFileOf(menu, 0, "x", nullptr), 0);
}

TEST(EntryPoints, AKindThatLiesAboutItsClassIsRefused) {
    // Reports a file kind but has no file operations.
    KindPlugin liar(plugin_type::kImport);
    EXPECT_EQ(host::EnumFileTypeOf(liar, 0), nullptr);
    EXPECT_EQ(host::ImportFileOf(liar, 0, "x", nullptr), 0);
    // Reports a station but is none.
    KindPlugin station(plugin_type::kStation);
    EXPECT_EQ(host::EnumStringOf(station, 0), nullptr);
}

}  // namespace
