// Faults of the host that the fault sweep, the fuzzers and the random
// sessions found the plug-in mishandling, one scenario each: the plug-in
// survives them, keeps the host's contract and leaves nothing behind.
#include "tests/support/panel_session.h"

namespace {

using HostFaults = PanelSession;

TEST_F(HostFaults, UnansweredMainWindowLookupBuildsThePanelAdoptedByNoWindow) {
    widgets.LeaveSystemLookupUnanswered(true);
    OpenSquare();
    plugin.Start();
    widgets.LeaveSystemLookupUnanswered(false);
    // The panel is there, with its controls, but no window holds it.
    EXPECT_EQ(PanelWindow(), 0);
    EXPECT_FALSE(widgets.LiveWidgetsOfPlugin().empty());
    EXPECT_EQ(plugin.Activate(doc, 1), 1);
    plugin.Exit();
}

}  // namespace
