// The checks fire: each deliberately broken plug-in, driven through the
// user session, leaves the breach it was built to commit in the report.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "simhost/plugin_module.h"
#include "validation_harness/fault_sweep.h"
#include "validation_harness/user_session.h"

namespace {

struct Broken {
    const char* module;
    const char* breach;  // a part of the report the breach must write
};

class BrokenPlugins : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenPlugins, TheUserSessionReportsTheBreach) {
    const std::string path = sim::ModuleFolder() + platform::kPathSeparator + GetParam().module +
                             platform::kModuleSuffix;
    sim::PluginModule plugin;
    validation::RunReport report;
    ASSERT_TRUE(validation::StartHost(plugin, path, report)) << report.Text();
    validation::Stage stage(plugin);
    validation::RunUserSession(stage);
    report = validation::EndHost(plugin);
    EXPECT_NE(report.Text().find(GetParam().breach), std::string::npos) << report.Text();
}

INSTANTIATE_TEST_SUITE_P(
    EachCheck, BrokenPlugins,
    ::testing::Values(Broken{"leaky_widget_plugin", "after exit: widget 101 (button)"},
                      Broken{"leaky_drawing_plugin", "plug-in unloaded: drawing object #"},
                      Broken{"forbidden_call_plugin", "unexpected call: MQ_CreateObject"}),
    [](const ::testing::TestParamInfo<Broken>& info) {
        std::string name = info.param.module;
        std::erase(name, '_');
        return name;
    });

}  // namespace

namespace {

// A breach the plug-in commits over and over (the same call in a loop) is
// told once, where it first came, with its count; the others stay in order.
TEST(RunReportText, TellsARepeatedBreachOnceWithItsCount) {
    validation::RunReport report;
    report.breaches = {"widget 7: no such widget", "drawing object #2 leaked",
                       "widget 7: no such widget", "widget 7: no such widget"};
    EXPECT_EQ(report.Text("  "),
              "  widget 7: no such widget (3 times)\n  drawing object #2 leaked\n");
}

}  // namespace
