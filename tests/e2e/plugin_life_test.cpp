// The plug-in's life in the host: the panel it builds at start, activation,
// and the settings it keeps from one run of the host to the next.
#include <algorithm>
#include <map>

#include "tests/support/panel_session.h"

namespace {

using sim::widget_msg::kAddEvent;
using sim::widget_msg::kSetProperty;

class PluginLife : public PanelSession {
protected:
    // The plug-in's window and everything in it, one widget a line: class,
    // the properties the panel decides, and the events bound on it.
    std::string Tree(int id, int depth = 0) const {
        static const std::map<std::string, std::vector<std::string>> kShown = {
            {"window", {"title", "canresize", "visible"}},
            {"frame", {"alignment", "inspace", "outspace"}},
            {"button", {"text", "toggle", "down"}},
            {"checkbox", {"text", "checked"}},
            {"doublespinbox", {"position", "min", "max", "increment", "maxdecimaldigit"}}};
        std::string line(static_cast<std::size_t>(depth) * 2, ' ');
        line += widgets.ClassOf(id);
        for (const std::string& name : kShown.at(widgets.ClassOf(id)))
            line += " " + name + "=" + sim::Describe(*widgets.Property(id, name));
        for (const sim::WidgetHandler& handler : widgets.HandlersOf(id))
            line += " on:" + handler.type;
        line += "\n";
        for (int child : widgets.ChildrenOf(id)) line += Tree(child, depth + 1);
        return line;
    }

    std::vector<std::optional<std::string>> StoredValues() const {
        std::vector<std::optional<std::string>> values;
        for (const std::string& key : kSettingKeys) values.push_back(Stored(key));
        return values;
    }
    int SetsOf(int id, const std::string& property) const {
        int count = 0;
        for (const sim::WidgetMessage& call : widgets.LogOf(kSetProperty))
            count += call.id == id && call.name == property;
        return count;
    }
};

TEST_F(PluginLife, FirstRunWithoutSettingsShowsNothingAndLeavesThePlaceToTheHost) {
    EXPECT_EQ(plugin.Start(), 1);
    const int panel = PanelWindow();
    ASSERT_NE(panel, 0);
    EXPECT_EQ(widgets.BoolProperty(panel, "visible"), false);
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
    EXPECT_EQ(SetsOf(panel, "pos_x") + SetsOf(panel, "pos_y"), 0);
    EXPECT_EQ(sim::RefreshRequests(), 0);
    EXPECT_EQ(plugin.Exit(), 1);
    // Three magenta slots.
    EXPECT_EQ(Stored("Tackpin_activate"), "0");
    for (const char* key : {"r0", "b0", "r1", "b1", "r2", "b2"})
        EXPECT_EQ(Stored(key), "1.000000e+000");
    for (const char* key : {"g0", "g1", "g2"}) EXPECT_EQ(Stored(key), "0.000000e+000");
}

TEST_F(PluginLife, PanelIsBuiltWithItsControlsStatesAndBindings) {
    plugin.Start();
    const int panel = PanelWindow();
    EXPECT_EQ(widgets.ChildWindowsOf(widgets.MainWindowId()), std::vector<int>{panel});
    std::string row;
    for (const char* caption : {"0", "1", "2"}) {
        row += "    frame alignment='horz' inspace=0.1 outspace=0.1\n";
        row += std::string("      button text=\"") + caption +
               "\" toggle=true down=false on:leftdown on:rightdown\n";
        row += "      button text=\"Set\" toggle=false down=false on:leftdown on:rightdown\n";
        row += "      button text=\"Clr\" toggle=false down=false on:leftdown\n";
    }
    EXPECT_EQ(Tree(panel),
              "window title=\"Tackpin\" canresize=false visible=false on:hide\n"
              "  frame alignment='vert' inspace=0 outspace=0.2\n" +
                  row +
                  "    frame alignment='horz' inspace=0.1 outspace=0.1\n"
                  "      checkbox text=\"View\" checked=true on:execute\n"
                  "      checkbox text=\"Normal\" checked=false on:execute\n"
                  "    frame alignment='horz' inspace=0.1 outspace=0.1\n"
                  "      checkbox text=\"Overwrite\" checked=true on:execute\n"
                  "      checkbox text=\"Allways\" checked=false on:execute\n"
                  "    doublespinbox position=5 min=-100 max=100 increment=5 maxdecimaldigit=3 "
                  "on:changing\n");
    // Every box is bound before its state is set.
    const PanelControls controls = Panel();
    const auto& log = widgets.Log();
    for (int box : {controls.view, controls.normal, controls.overwrite, controls.allways}) {
        auto bound = std::find_if(log.begin(), log.end(), [&](const sim::WidgetMessage& call) {
            return call.id == box && call.message == kAddEvent;
        });
        auto checked = std::find_if(log.begin(), log.end(), [&](const sim::WidgetMessage& call) {
            return call.id == box && call.message == kSetProperty && call.name == "checked";
        });
        EXPECT_LT(bound - log.begin(), checked - log.begin()) << box;
    }
    plugin.Exit();
}

TEST_F(PluginLife, ExitWritesTheTwelveKeysInOrderAndTheNextRunReadsThemBack) {
    // Hand-written settings, out of order, one colour in plain decimals.
    for (const char* key : {"b2", "r1", "PosY", "Tackpin_activate", "PosX"}) Store(key, "0");
    Store("Tackpin_activate", "1");
    Store("PosX", "300");
    Store("PosY", "40");
    Store("r1", "0.25");
    plugin.Start();
    const int panel = PanelWindow();
    EXPECT_EQ(widgets.IntProperty(panel, "pos_x"), 300);
    EXPECT_EQ(widgets.IntProperty(panel, "pos_y"), 40);
    widgets.SetByUser(panel, "pos_x", 310);  // the user moves the panel
    plugin.Exit();
    EXPECT_EQ(settings.ChildKeys(Element()), kSettingKeys);
    const std::vector<std::optional<std::string>> written = StoredValues();
    EXPECT_EQ(written, (std::vector<std::optional<std::string>>{
                           "1", "310", "40", "1.000000e+000", "0.000000e+000", "1.000000e+000",
                           "2.500000e-001", "0.000000e+000", "1.000000e+000", "1.000000e+000",
                           "0.000000e+000", "0.000000e+000"}));

    RestartHost();
    plugin.Start();
    EXPECT_EQ(plugin.IsActivated(nullptr), 1);
    EXPECT_EQ(widgets.IntProperty(PanelWindow(), "pos_x"), 310);
    EXPECT_EQ(widgets.IntProperty(PanelWindow(), "pos_y"), 40);
    plugin.Exit();
    EXPECT_EQ(StoredValues(), written);
}

TEST_F(PluginLife, StoredPositionWithANegativeCoordinateIsNotApplied) {
    for (auto [x, y] : {std::pair{"120", "-1"}, {"-1", "80"}, {"-7", "-7"}}) {
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        sim::ResetHost();
        Store("PosX", x);
        Store("PosY", y);
        plugin.Start();
        const int panel = PanelWindow();
        EXPECT_EQ(SetsOf(panel, "pos_x") + SetsOf(panel, "pos_y"), 0) << x << "," << y;
        plugin.Exit();
    }
}

TEST_F(PluginLife, StoredActivationShowsThePanelAndAsksForOneRedraw) {
    Store("Tackpin_activate", "1");
    plugin.Start();
    EXPECT_EQ(widgets.BoolProperty(PanelWindow(), "visible"), true);
    EXPECT_EQ(plugin.IsActivated(nullptr), 1);
    EXPECT_EQ(sim::RefreshRequests(), 1);
    plugin.Exit();
}

TEST_F(PluginLife, HostActivationShowsAndHidesThePanel) {
    plugin.Start();
    const int panel = PanelWindow();
    EXPECT_EQ(plugin.Activate(nullptr, 5), 1);
    EXPECT_EQ(widgets.BoolProperty(panel, "visible"), true);
    EXPECT_EQ(sim::RefreshRequests(), 1);
    EXPECT_EQ(plugin.Activate(nullptr, 0), 0);
    EXPECT_EQ(widgets.BoolProperty(panel, "visible"), false);
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
    EXPECT_EQ(sim::RefreshRequests(), 1);
    plugin.Exit();
}

TEST_F(PluginLife, WithoutAPanelActivationAnswers0AndChangesNothing) {
    EXPECT_EQ(plugin.Activate(nullptr, 1), 0);  // before start
    plugin.Start();
    plugin.Activate(nullptr, 1);
    plugin.Exit();
    widgets.ClearLog();
    const int refreshes = sim::RefreshRequests();
    EXPECT_EQ(plugin.Activate(nullptr, 1), 0);
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
    EXPECT_EQ(sim::RefreshRequests(), refreshes);
    EXPECT_TRUE(widgets.Log().empty());
    EXPECT_EQ(Stored("Tackpin_activate"), "1");
}

TEST_F(PluginLife, ExitDestroysEveryWidgetThePluginMade) {
    plugin.Start();
    ASSERT_FALSE(widgets.LiveWidgetsOfPlugin().empty());
    plugin.Exit();
    EXPECT_TRUE(widgets.LiveWidgetsOfPlugin().empty()) << widgets.Dump();
    EXPECT_TRUE(widgets.IsAlive(widgets.MainWindowId()));
}

TEST_F(PluginLife, SettingsStayByteIdenticalAcrossExitStartExit) {
    Store("Tackpin_activate", "1");
    Store("r2", "0.498039");
    plugin.Start();
    widgets.SetByUser(PanelWindow(), "pos_x", 17);
    plugin.Exit();
    const std::string first = settings.Dump();
    RestartHost();
    plugin.Start();
    plugin.Exit();
    EXPECT_EQ(settings.Dump(), first);
}

// A host that offers no settings place: nothing is read and nothing saved.
TEST_F(PluginLife, WithoutASettingsPlaceEveryKeyIsMissingAndNothingIsSaved) {
    Store("Tackpin_activate", "1");
    Store("PosX", "300");
    Store("PosY", "40");
    settings.Faults().noPluginSettings = true;
    const std::string before = settings.Dump();
    plugin.Start();
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
    EXPECT_EQ(SetsOf(PanelWindow(), "pos_x"), 0);
    plugin.Activate(nullptr, 1);
    plugin.Exit();
    EXPECT_EQ(settings.Dump(), before);
}

// An exit without a panel has no position to read and must not overwrite
// what the last real exit saved.
TEST_F(PluginLife, ExitWithoutAPanelLeavesTheSettingsAlone) {
    Store("PosX", "300");
    plugin.Exit();  // before start
    EXPECT_EQ(settings.ChildKeys(Element()), std::vector<std::string>{"PosX"});
    plugin.Start();
    plugin.Exit();
    const std::string saved = settings.Dump();
    widgets.ClearLog();
    plugin.Exit();  // a second time
    EXPECT_EQ(settings.Dump(), saved);
    EXPECT_TRUE(widgets.Log().empty());
}

// A host may point at "" for an element without text instead of answering
// null: every key then takes its default, exactly as when it is missing.
TEST_F(PluginLife, EmptyTextInEveryKeyGivesEveryDefault) {
    plugin.Start();
    plugin.Exit();
    const std::vector<std::optional<std::string>> defaults = StoredValues();
    RestartHost();
    for (const std::string& key : kSettingKeys) Store(key, "");
    settings.Faults().emptyTextAsEmptyString = true;
    plugin.Start();
    const int panel = PanelWindow();
    EXPECT_EQ(plugin.IsActivated(nullptr), 0);
    EXPECT_EQ(SetsOf(panel, "pos_x") + SetsOf(panel, "pos_y"), 0);
    plugin.Exit();
    EXPECT_EQ(StoredValues(), defaults);
}

// Unloaded without an exit, the plug-in deletes its drawing objects but
// leaves its widgets to the host, which may be tearing its windows down.
TEST_F(PluginLife, UnloadWithoutExitMakesNoWidgetCall) {
    OpenSquare();
    plugin.Start();
    plugin.Activate(doc, 1);
    Select({0, 1});
    Press(Panel().sets[0], sim::button_bits::kShift);
    plugin.Draw(doc, documents.NewScene(doc, {1, 1, 1, 0, 0}), 640, 480);
    ASSERT_EQ(documents.LiveDrawObjectCount(), 1);
    const std::size_t panelWidgets = widgets.LiveWidgetsOfPlugin().size();
    widgets.ClearLog();
    plugin.Unload();
    EXPECT_TRUE(widgets.Log().empty())
        << widgets.Log().size() << " widget calls, the first " << widgets.Log().front().message;
    EXPECT_EQ(widgets.LiveWidgetsOfPlugin().size(), panelWidgets);
    EXPECT_EQ(documents.LiveDrawObjectCount(), 0);
    ASSERT_TRUE(plugin.LoadAndInitialize()) << plugin.Error();
}

}  // namespace
