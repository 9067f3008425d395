// Draw events (110) delivered to the loaded module: an active plug-in reads
// the view's options at every pass, an inactive one asks the host nothing.
#include "simhost/contract/host_contract.h"
#include "simhost/documents/document_model.h"
#include "tests/support/plugin_fixture.h"

namespace {

using DrawEvents = PluginTest;

TEST_F(DrawEvents, OnlyAnActivePassAsksForTheViewOptions) {
    MQDocument doc = sim::Documents().NewDocument();
    MQScene scene = sim::Documents().NewScene(doc, {1, 1, 0, 0, 0});
    ASSERT_EQ(plugin.Start(), 1);
    plugin.Activate(doc, 1);
    const std::size_t before = sim::SentMessages().size();
    EXPECT_EQ(plugin.Draw(doc, scene, 640, 480), 1);
    ASSERT_EQ(sim::SentMessages().size(), before + 1);
    EXPECT_EQ(sim::SentMessages().back().number, sim::station_msg::kSceneOption);
    EXPECT_EQ(sim::Documents().LiveDrawObjectCount(), 0);  // no marker holds anything
    plugin.Activate(doc, 0);
    const std::size_t inactive = sim::SentMessages().size();
    EXPECT_EQ(plugin.Draw(doc, scene, 640, 480), 1);
    EXPECT_EQ(sim::SentMessages().size(), inactive);
    EXPECT_EQ(plugin.Exit(), 1);
}

}  // namespace
