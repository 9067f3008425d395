// One whole session of a user with the plug-in, from a first start of the
// host to the next start that finds what the first one kept.
#include <algorithm>
#include <array>

#include "tests/support/panel_session.h"

namespace {

using sim::button_bits::kCtrl;
using Ids = std::vector<int>;

using UserSession = PanelSession;

TEST_F(UserSession, StoreRecallRecolourDrawReloadExitAndFindTheSettingsNextRun) {
    OpenSquare();
    ASSERT_EQ(plugin.Start(), 1);
    ASSERT_EQ(plugin.Activate(doc, 1), 1);
    PanelControls panel = Panel();

    // Store in all three rows; the first store of a row asks nothing.
    const Ids rows[] = {{0}, {1, 2}, {3}};
    for (std::size_t row = 0; row < 3; ++row) {
        Select(rows[row]);
        EXPECT_EQ(Press(panel.sets[row]).answer, 1);
    }
    EXPECT_TRUE(sim::Dialogs().MessageBoxes().empty());
    sim::Dialogs().QueueMessageBoxAnswer(1);
    Select({2});
    EXPECT_EQ(Press(panel.sets[0], kCtrl).answer, 1);
    EXPECT_EQ(sim::Dialogs().MessageBoxes().back().message, u"Add?");

    // Recall.
    EXPECT_EQ(Recall(0), (Ids{0, 2}));
    EXPECT_EQ(Recall(1), (Ids{1, 2}));
    EXPECT_EQ(Recall(2), (Ids{3}));

    // Recolour rows 1 and 2.
    ColorDialogSeen seen;
    QueueColorDialog(seen, u"OK", sim::RgbValue{0, 128, 255});
    EXPECT_EQ(PressRight(panel.sets[1], 0, 300, 200).answer, 1);
    QueueColorDialog(seen, u"OK", sim::RgbValue{255, 255, 0});
    EXPECT_EQ(PressRight(panel.sets[2], 0, 310, 220).answer, 1);
    const std::array<std::array<float, 3>, 3> colors = {
        {{1.0f, 0.0f, 1.0f}, {0.0f, static_cast<float>(128.0 / 255.0), 1.0f}, {1.0f, 1.0f, 0.0f}}};

    // Draw with every option changed from its start.
    for (int box : {panel.view, panel.view, panel.normal, panel.overwrite, panel.allways})
        EXPECT_EQ(sim::UserClick(box).answer, 1);
    EXPECT_EQ(sim::UserChangeSpin(panel.spin, 7.5).answer, 1);
    plugin.Draw(doc, documents.NewScene(doc, {1, 1, 1, 0, 0}), 640, 480);
    // Whatever the pass drew lies in this document, one object per shown
    // row at most, each in its row's colour.
    const std::vector<sim::DrawObjectInfo> drawn = documents.DrawObjects(doc);
    EXPECT_LE(drawn.size(), 3u);
    EXPECT_EQ(documents.LiveDrawObjectCount(), static_cast<int>(drawn.size()));
    for (const sim::DrawObjectInfo& object : drawn) {
        const std::array<float, 3> color = {object.color[0], object.color[1], object.color[2]};
        EXPECT_NE(std::find(colors.begin(), colors.end(), color), colors.end());
    }

    // A new document: markers emptied, buttons up, nothing left drawn.
    OpenSquare();
    EXPECT_EQ(plugin.LoadDocument(doc, "new.mqo"), 1);
    EXPECT_EQ(documents.LiveDrawObjectCount(), 0);
    for (std::size_t row = 0; row < 3; ++row) {
        EXPECT_FALSE(*widgets.BoolProperty(panel.toggles[row], "down"));
        EXPECT_EQ(Recall(static_cast<int>(row)), Ids{});
    }

    // The user moves the panel and quits; the host unloads the plug-in.
    widgets.SetByUser(panel.window, "pos_x", 200);
    widgets.SetByUser(panel.window, "pos_y", 150);
    EXPECT_EQ(plugin.Exit(), 1);
    RestartHost();

    // The next run: active, in place, in the same colours, with empty rows.
    OpenSquare();
    ASSERT_EQ(plugin.Start(), 1);
    panel = Panel();
    EXPECT_EQ(plugin.IsActivated(doc), 1);
    EXPECT_EQ(widgets.BoolProperty(panel.window, "visible"), true);
    EXPECT_EQ(widgets.IntProperty(panel.window, "pos_x"), 200);
    EXPECT_EQ(widgets.IntProperty(panel.window, "pos_y"), 150);
    const sim::RgbValue shown[] = {{255, 0, 255}, {0, 128, 255}, {255, 255, 0}};
    for (std::size_t row = 0; row < 3; ++row) {
        QueueColorDialog(seen, u"Cancel");
        PressRight(panel.sets[row]);
        EXPECT_EQ(seen.rgb, shown[row]) << row;
        Press(panel.clears[row]);
    }
    EXPECT_TRUE(sim::Dialogs().MessageBoxes().empty());
    EXPECT_EQ(plugin.Exit(), 1);
}

}  // namespace
