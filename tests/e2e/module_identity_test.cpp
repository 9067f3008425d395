// The module as the host first meets it: version check, initialisation and
// identity, through the exports only.
#include <cstring>
#include <limits>

#include "tests/support/plugin_fixture.h"

namespace {

using ModuleIdentity = PluginTest;

TEST_F(ModuleIdentity, VersionCheckAnswers0x420FromHostVersion0x4200) {
    auto check = plugin.Exports().checkVersion;
    EXPECT_EQ(check(0x4200 - 1), 0u);
    EXPECT_EQ(check(0), 0u);
    EXPECT_EQ(check(0x4200), 0x420u);
    EXPECT_EQ(check(std::numeric_limits<unsigned int>::max()), 0x420u);
}

TEST_F(ModuleIdentity, ReportsAStationPluginNamedTackpin) {
    EXPECT_EQ(plugin.Exports().getPlugInType(), 6);
    EXPECT_STREQ(plugin.Exports().enumString(0), "Tackpin");
    EXPECT_EQ(plugin.Exports().enumString(1), nullptr);
    EXPECT_EQ(plugin.Exports().enumString(-1), nullptr);
    const char* name = plugin.Exports().getPlugInName();
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::strncmp(name, "Tackpin ver.1.0", 15), 0) << name;
}

TEST_F(ModuleIdentity, PluginIdIsWrittenThroughBothPointersAndStable) {
    unsigned int product = 0, id = 0, product2 = 1, id2 = 1;
    plugin.Exports().getPlugInId(&product, &id);
    plugin.Exports().getPlugInId(&product2, &id2);
    EXPECT_NE(product, 0u);
    EXPECT_EQ(product, product2);
    EXPECT_EQ(id, id2);
}

TEST_F(ModuleIdentity, FileEnumerationsAreNullForEveryIndex) {
    for (int index : {-1, 0, 1, 7}) {
        EXPECT_EQ(plugin.Exports().enumFileType(index), nullptr);
        EXPECT_EQ(plugin.Exports().enumFileExt(index), nullptr);
    }
}

TEST_F(ModuleIdentity, MenuAndFileEntriesNeverReachTheStationOperations) {
    // For a station the sixth and seventh operations are start and exit:
    // reaching them through these entries would start or tear down the
    // plug-in with arguments of another shape.
    const auto& exports = plugin.Exports();
    EXPECT_EQ(exports.importFile(0, "a.mqo", nullptr), 0);
    EXPECT_EQ(exports.exportFile(0, "a.mqo", nullptr), 0);
    EXPECT_EQ(exports.create(0, nullptr), 0);
    EXPECT_EQ(exports.modifyObject(0, nullptr), 0);
    EXPECT_EQ(exports.modifySelect(0, nullptr), 0);
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
}

TEST(ModuleLoading, InitFailsForAModuleThatIsNotTheHost) {
    sim::ResetHost();
    sim::PluginModule plugin;
    ASSERT_TRUE(plugin.Load()) << plugin.Error();
    EXPECT_EQ(plugin.Exports().init("no-such-host-module"), 0);
    EXPECT_EQ(plugin.Exports().init(sim::DefaultPluginPath().c_str()), 0);
    EXPECT_EQ(plugin.Exports().init(sim::HostModulePath().c_str()), 1);
    plugin.Unload();
    EXPECT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
}

}  // namespace
