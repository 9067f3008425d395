// The panel's controls worked as a user would, and the document events, as
// the host sees their outcome: questions asked, selections recalled, the
// colour dialog, notices, redraws, drawing objects and saved colours.
#include <algorithm>
#include <cmath>
#include <limits>

#include "simhost/contract/host_contract.h"
#include "tests/support/panel_session.h"

namespace {

using sim::button_bits::kCtrl;
using sim::button_bits::kShift;
using Ids = std::vector<int>;

constexpr int kOk = 1;
constexpr int kCancel = 2;

class PanelCommands : public PanelSession {
protected:
    void SetUp() override {
        PanelSession::SetUp();
        OpenSquare();
        plugin.Start();
        // Active, so that its panel is on screen for the user's clicks.
        plugin.Activate(doc, 1);
        panel = Panel();
        // Every test works the panel's controls: none may be missing.
        ASSERT_NE(panel.window, 0);
        for (int id : panel.toggles) ASSERT_NE(id, 0);
        for (int id : panel.sets) ASSERT_NE(id, 0);
        for (int id : panel.clears) ASSERT_NE(id, 0);
    }
    void TearDown() override {
        plugin.Exit();
        PanelSession::TearDown();
    }
    bool Down(int toggle) const { return widgets.BoolProperty(toggle, "down").value_or(false); }
    std::size_t Boxes() const { return sim::Dialogs().MessageBoxes().size(); }
    std::u16string LastQuestion() const { return sim::Dialogs().MessageBoxes().back().message; }

    PanelControls panel;
};

struct SetCase {
    const char* name;
    bool holding;               // row 0 holds vertex 0 before the click
    int keys;                   // Shift, Ctrl held
    std::optional<int> answer;  // to the question, if one comes
    const char16_t* question;   // null: none is asked
    Ids recalled;               // what row 0 selects afterwards
    int result;
};

TEST_F(PanelCommands, SetAsksUnlessShiftOrEmptyAndStoresOnlyOnOk) {
    const SetCase cases[] = {
        {"empty", false, 0, {}, nullptr, {1}, 1},
        {"empty with Ctrl", false, kCtrl, {}, nullptr, {1}, 1},
        {"overwrite", true, 0, kOk, u"Overwrite?", {1}, 1},
        {"add", true, kCtrl, kOk, u"Add?", {0, 1}, 1},
        {"Shift overwrites", true, kShift, {}, nullptr, {1}, 1},
        {"Shift and Ctrl add", true, kShift | kCtrl, {}, nullptr, {0, 1}, 1},
        {"overwrite cancelled", true, 0, kCancel, u"Overwrite?", {0}, 0},
        {"add cancelled", true, kCtrl, kCancel, u"Add?", {0}, 0},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.name);
        Press(panel.clears[0], kShift);
        if (c.holding) StoreInto(0, {0});
        if (Down(panel.toggles[0])) Press(panel.toggles[0]);  // up, whatever came before
        ASSERT_FALSE(Down(panel.toggles[0]));
        if (c.answer) sim::Dialogs().QueueMessageBoxAnswer(*c.answer);
        const std::size_t boxes = Boxes();
        Select({1});
        EXPECT_EQ(Press(panel.sets[0], c.keys).answer, c.result);
        if (c.question == nullptr) {
            EXPECT_EQ(Boxes(), boxes);
        } else {
            ASSERT_EQ(Boxes(), boxes + 1);
            const sim::MessageBoxRecord& box = sim::Dialogs().MessageBoxes().back();
            EXPECT_EQ(box.message, c.question);
            EXPECT_EQ(box.title, u"Marker");
            EXPECT_EQ(box.messageType, "okcancel");
            EXPECT_EQ(box.parent, panel.window);
        }
        EXPECT_EQ(Down(panel.toggles[0]), c.result == 1);
        EXPECT_EQ(Recall(0), c.recalled);
    }
}

// A store that finds no current object stores nothing, and the row's
// toggle stays released: it shows what the slot shows.
TEST_F(PanelCommands, FailedStoreLeavesTheToggleReleased) {
    struct FailedCase {
        const char* name;
        bool holding;
        int keys;
    };
    const MQDocument empty = documents.NewDocument();
    for (FailedCase c :
         {FailedCase{"empty slot", false, 0}, FailedCase{"Shift", true, kShift},
          FailedCase{"overwrite confirmed", true, 0}, FailedCase{"add confirmed", true, kCtrl}}) {
        SCOPED_TRACE(c.name);
        Press(panel.clears[1], kShift);
        if (c.holding) StoreInto(1, {2});
        if (Down(panel.toggles[1])) Press(panel.toggles[1]);
        ASSERT_FALSE(Down(panel.toggles[1]));
        if (c.holding && (c.keys & kShift) == 0) sim::Dialogs().QueueMessageBoxAnswer(kOk);
        widgets.SetEventDocument(empty);
        EXPECT_EQ(Press(panel.sets[1], c.keys).answer, 0);
        widgets.SetEventDocument(doc);
        EXPECT_EQ(sim::Dialogs().PendingMessageBoxAnswers(), 0u);
        EXPECT_FALSE(Down(panel.toggles[1]));
        EXPECT_EQ(Recall(1), c.holding ? Ids{2} : Ids{});
    }
}

TEST_F(PanelCommands, ClearAsksOnlyForAHoldingSlotAndAlwaysReleasesTheToggle) {
    struct ClearCase {
        const char* name;
        bool holding;
        int keys;
        std::optional<int> answer;
        bool asked;
        bool cleared;
    };
    const ClearCase cases[] = {
        {"empty", false, 0, {}, false, true},
        {"holding, OK", true, 0, kOk, true, true},
        {"holding, Ctrl plays no part", true, kCtrl, kOk, true, true},
        {"holding, Shift", true, kShift, {}, false, true},
        {"holding, Cancel", true, 0, kCancel, true, false},
    };
    for (const ClearCase& c : cases) {
        SCOPED_TRACE(c.name);
        Press(panel.clears[2], kShift);
        if (c.holding) StoreInto(2, {3});
        if (!Down(panel.toggles[2])) Press(panel.toggles[2]);
        if (c.answer) sim::Dialogs().QueueMessageBoxAnswer(*c.answer);
        const std::size_t boxes = Boxes();
        EXPECT_EQ(Press(panel.clears[2], c.keys).answer, c.cleared ? 1 : 0);
        // The question is read back only when it was asked.
        ASSERT_EQ(Boxes(), boxes + (c.asked ? 1 : 0));
        if (c.asked) {
            EXPECT_EQ(LastQuestion(), u"Clear?");
        }
        EXPECT_EQ(Down(panel.toggles[2]), !c.cleared);
        Select({1});  // an emptied marker leaves the selection as it is
        PressRight(panel.toggles[2]);
        EXPECT_EQ(Selected(), c.holding && !c.cleared ? Ids{3} : Ids{1});
    }
}

TEST_F(PanelCommands, RightClickOnAToggleRecallsReplacingOrAddingWithCtrl) {
    StoreInto(1, {0, 2});
    Press(panel.toggles[1]);  // released: recall does not depend on it
    Select({3});
    EXPECT_EQ(PressRight(panel.toggles[1]).answer, 1);
    EXPECT_EQ(Selected(), (Ids{0, 2}));
    Select({3});
    PressRight(panel.toggles[1], kCtrl);
    EXPECT_EQ(Selected(), (Ids{0, 2, 3}));
    EXPECT_FALSE(Down(panel.toggles[1]));
}

struct ColorCase {
    const char* name;
    const char* red;        // stored "r1" before start
    const char16_t* click;  // in the dialog; empty: closed by other means
    std::optional<sim::RgbValue> choose;
    sim::RgbValue shown;  // what the dialog's colour panel starts with
    int result;
    const char* savedRed;
    const char* savedGreen;
};

TEST_F(PanelCommands, RightClickOnSetEditsTheSlotColourAtThePointer) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    // clang-format off
    const ColorCase cases[] = {
        {"OK keeps magenta", "1.0", u"OK", {}, {255, 0, 255}, 1, "1.000000e+000", "0.000000e+000"},
        {"OK truncates 0.5", "0.5", u"OK", {}, {127, 0, 255}, 1, "4.980392e-001", "0.000000e+000"},
        {"OK takes the choice", "1.0", u"OK", sim::RgbValue{0, 51, 255}, {255, 0, 255}, 1,
            "0.000000e+000", "2.000000e-001"},
        {"Cancel", "0.5", u"Cancel", sim::RgbValue{9, 9, 9}, {127, 0, 255}, 0,
            "5.000000e-001", "0.000000e+000"},
        {"closed otherwise", "0.25", u"", {}, {63, 0, 255}, 0, "2.500000e-001", "0.000000e+000"},
        // Hand-edited settings: the panel gets the nearest integer it holds.
        {"huge", "1e30", u"Cancel", {}, {kMax, 0, 255}, 0, "1.000000e+030", "0.000000e+000"},
        {"huge negative", "-1e30", u"Cancel", {}, {kMin, 0, 255}, 0,
            "-1.000000e+030", "0.000000e+000"},
        {"not a number", "nan", u"Cancel", {}, {0, 0, 255}, 0, "nan", "0.000000e+000"},
    };
    // clang-format on
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(c.name);
        plugin.Exit();
        Store("r1", c.red);
        Store("g1", "0");
        plugin.Start();
        panel = Panel();
        ColorDialogSeen seen;
        QueueColorDialog(seen, c.click, c.choose);
        EXPECT_EQ(PressRight(panel.sets[1], 0, 640, 480).answer, c.result);
        EXPECT_EQ(seen.rgb, c.shown);
        EXPECT_EQ(seen.x, 640);
        EXPECT_EQ(seen.y, 480);
        EXPECT_FALSE(widgets.IsAlive(seen.dialog));
        plugin.Exit();
        EXPECT_EQ(Stored("r1"), c.savedRed);
        EXPECT_EQ(Stored("g1"), c.savedGreen);
        EXPECT_EQ(Stored("r0"), "1.000000e+000");  // other rows keep theirs
        plugin.Start();
    }
}

// A host that ignores the spin box's range may answer any double: the normal
// lines keep to the box's range, -100 to 100, and a value that is no number
// leaves the length as it was. Every vertex the plug-in sends is finite.
TEST_F(PanelCommands, NormalLinesKeepToTheSpinBoxRangeWhateverTheHostAnswers) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    MQScene scene = documents.NewScene(doc, {1, 1, 1, 0, 0});
    plugin.Activate(doc, 1);
    StoreInto(0, {0});
    sim::UserClick(panel.normal);
    // Vertex 0's normal is (0, 0, -1): its line ends at (0, 0, -length).
    const std::pair<double, float> cases[] = {{1e300, 100.0f},   {-7.5, -7.5f},   {kNan, -7.5f},
                                              {-1e300, -100.0f}, {250.0, 100.0f}, {-kInf, -100.0f},
                                              {-kNan, -100.0f},  {100.0, 100.0f}};
    for (auto [position, length] : cases) {
        SCOPED_TRACE(position);
        // A host that takes any value into the box, past its range too.
        ASSERT_TRUE(widgets.SetByUser(panel.spin, "position", position));
        sim::EventList changing = sim::PlainEventList(panel.spin, panel.spin, "changing");
        EXPECT_EQ(sim::SendWidgetEvent(panel.spin, "changing", changing.Pairs()).answer, 1);
        plugin.Draw(doc, scene, 640, 480);
        const std::vector<sim::DrawObjectInfo> drawn = documents.DrawObjects(doc);
        ASSERT_EQ(drawn.size(), 1u);
        float lowest = 0.0f;
        for (const sim::Vec3& v : drawn[0].vertices) {
            EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z))
                << v.x << ", " << v.y << ", " << v.z;
            lowest = std::min(lowest, -std::fabs(v.z));
        }
        EXPECT_EQ(lowest, -std::fabs(length));
    }
    ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
}

TEST_F(PanelCommands, ClosingThePanelDeactivatesOnlyAnActivePlugin) {
    plugin.Activate(doc, 0);
    {
        // A close on its way when the panel hid.
        const sim::HiddenInputScope late;
        EXPECT_EQ(sim::UserCloseWindow(panel.window).answer, 0);
    }
    EXPECT_EQ(sim::DeactivateNotices(), 0);
    plugin.Activate(doc, 1);
    EXPECT_EQ(sim::UserCloseWindow(panel.window).answer, 0);
    EXPECT_EQ(sim::DeactivateNotices(), 1);
    EXPECT_EQ(plugin.IsActivated(doc), 0);
    EXPECT_EQ(sim::UserCloseWindow(panel.window).answer, 0);
    EXPECT_EQ(sim::DeactivateNotices(), 1);
}

TEST_F(PanelCommands, NewDocumentEmptiesTheSlotsReleasesTheTogglesAndKeepsColours) {
    StoreInto(0, {0});
    StoreInto(2, {1, 2});
    ColorDialogSeen seen;
    QueueColorDialog(seen, u"OK", sim::RgbValue{0, 255, 0});
    PressRight(panel.sets[2]);
    plugin.Activate(doc, 1);
    plugin.Draw(doc, documents.NewScene(doc, {1, 1, 1, 0, 0}), 640, 480);

    EXPECT_EQ(plugin.LoadDocument(doc, "next.mqo"), 1);
    EXPECT_EQ(documents.LiveDrawObjectCount(), 0);
    for (int toggle : panel.toggles) EXPECT_FALSE(Down(toggle));
    for (int row : {0, 2}) EXPECT_EQ(Recall(row), Ids{});
    const std::size_t boxes = Boxes();
    Press(panel.clears[0]);
    Press(panel.sets[2]);
    EXPECT_EQ(Boxes(), boxes);
    plugin.Exit();
    EXPECT_EQ(Stored("r2"), "0.000000e+000");
    EXPECT_EQ(Stored("g2"), "1.000000e+000");
    plugin.Start();
}

TEST_F(PanelCommands, GeometryChangeAsksForARedrawOnlyWhileActiveWithNormalOn) {
    struct Case {
        bool active, normal;
        int redraws;
    };
    for (Case c : {Case{true, true, 1}, Case{true, false, 0}, Case{false, true, 0}}) {
        plugin.Activate(doc, c.active ? 1 : 0);
        if (widgets.BoolProperty(panel.normal, "checked") != c.normal) sim::UserClick(panel.normal);
        const int before = sim::RefreshRequests();
        EXPECT_EQ(plugin.DocumentEvent(doc, 221), 1);
        EXPECT_EQ(sim::RefreshRequests() - before, c.redraws) << c.active << c.normal;
    }
}

TEST_F(PanelCommands, DocumentEventsAndStaleControlsWithoutAPanelTouchNothing) {
    auto documentEvents = [&] {
        EXPECT_EQ(plugin.LoadDocument(doc), 1);
        EXPECT_EQ(plugin.DocumentEvent(doc, 210), 0);
        EXPECT_EQ(plugin.DocumentEvent(doc, 220), 1);
        EXPECT_EQ(plugin.DocumentEvent(doc, 221), 1);
    };
    ASSERT_FALSE(widgets.HandlersOf(panel.sets[0]).empty());
    const sim::WidgetHandler set = widgets.HandlersOf(panel.sets[0]).front();
    plugin.Exit();
    const int refreshes = sim::RefreshRequests();
    widgets.ClearLog();
    documentEvents();
    // A host that still calls a handler of the gone panel.
    sim::EventList list = sim::MouseEventList(panel.sets[0], panel.sets[0], "leftdown", {});
    EXPECT_EQ(set.proc(doc, list.Pairs(), set.pointer), 0);
    // Before start, in a fresh load.
    plugin.Unload();
    ASSERT_TRUE(plugin.LoadAndInitialize());
    documentEvents();
    EXPECT_TRUE(widgets.Log().empty());
    EXPECT_EQ(sim::RefreshRequests(), refreshes);
    plugin.Start();
}

TEST_F(PanelCommands, UnloadingDeletesEachDrawingObjectOnceInItsDocument) {
    StoreInto(0, {0, 1});
    StoreInto(1, {2});
    plugin.Activate(doc, 1);
    plugin.Draw(doc, documents.NewScene(doc, {1, 1, 1, 0, 0}), 640, 480);
    plugin.Activate(doc, 0);  // the plug-in forgets the document of the pass
    plugin.Exit();
    plugin.Unload();
    int created = 0, deleted = 0;
    for (const sim::SentMessage& sent : sim::SentMessages()) {
        created += sent.number == sim::station_msg::kCreateDrawObject;
        deleted += sent.number == sim::station_msg::kDeleteDrawObject;
    }
    EXPECT_EQ(deleted, created);
    EXPECT_EQ(documents.LiveDrawObjectCount(), 0);
    ASSERT_TRUE(plugin.LoadAndInitialize());
    plugin.Start();
}

}  // namespace
