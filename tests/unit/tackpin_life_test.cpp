// The plug-in object's own flags across start and activation, which the
// host sees only through later draw passes.
#include "tests/unit/tackpin_under_test.h"

namespace {

using TackpinLife = TackpinTest;

TEST_F(TackpinLife, StoredActivationMarksTheNormalsDirty) {
    plugin.normalsDirty = false;
    Start(true);
    EXPECT_TRUE(plugin.active);
    EXPECT_TRUE(plugin.normalsDirty);
}

TEST_F(TackpinLife, DeactivationForgetsTheDocumentOfTheLastPass) {
    Start(true);
    plugin.document = doc;
    plugin.normalsDirty = false;
    EXPECT_EQ(plugin.OnActivate(doc, 0), 0);
    EXPECT_EQ(plugin.document, nullptr);
    EXPECT_FALSE(plugin.normalsDirty);
}

TEST_F(TackpinLife, ASecondStartMakesNoSecondPanel) {
    Start(false);
    TackpinWindow* first = plugin.window.get();
    Start(true);
    EXPECT_EQ(plugin.window.get(), first);
    EXPECT_EQ(sim::Widgets().ChildWindowsOf(sim::Widgets().MainWindowId()).size(), 1u);
    EXPECT_EQ(sim::Widgets().BoolProperty(first->GetID(), "visible"), true);
}

}  // namespace
