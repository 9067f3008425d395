// Host events that arrive while the plug-in waits in a question or the
// colour dialog, as the host delivers them: nested in the modal run, on the
// same thread. The exit among them must not pull the panel from under the
// waiting handler; the others must leave a state that the resumed handler
// has taken into account.
#include <gtest/gtest.h>

#include "simhost/documents/document_model.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"
#include "tests/support/panel_session.h"
#include "validation_harness/nested_events.h"
#include "validation_harness/nested_sequences.h"

namespace {

using validation::ModalPlace;
using validation::NestedEvent;
using validation::Stage;
using Ids = std::vector<int>;

class NestedEvents : public PanelSession {
protected:
    void SetUp() override {
        PanelSession::SetUp();
        stage.OpenDocument();
        stage.PresetSettings();
        plugin.Start();
    }
    void TearDown() override {
        plugin.Exit();
        PanelSession::TearDown();
    }

    std::vector<std::optional<std::string>> Saved() const {
        std::vector<std::optional<std::string>> values;
        for (const std::string& key : kSettingKeys) values.push_back(Stored(key));
        return values;
    }
    // Queues `event` inside the modal run that `place` opens.
    void Nest(ModalPlace place, NestedEvent event) {
        if (place == ModalPlace::ColourDialog)
            validation::NestInNextDialog(stage, event);
        else
            validation::NestInNextQuestion(stage, event);
    }
    std::size_t ModalRunsSoFar() const {
        return sim::Dialogs().MessageBoxes().size() + sim::Dialogs().ModalRuns().size();
    }
    // What row `row` selects on the current object, from an empty selection.
    // What row `row` holds, read through a recall whether or not the panel
    // is on screen now.
    Ids RecallRow(int row) {
        const sim::HiddenInputScope look;
        documents.ClearSelection(stage.doc);
        Stage::PressRight(Stage::Panel().toggles[static_cast<std::size_t>(row)]);
        return documents.SelectedVertices(stage.doc, stage.grid);
    }
    bool Down(int row) const {
        return widgets.BoolProperty(Stage::Panel().toggles[static_cast<std::size_t>(row)], "down")
            .value_or(false);
    }
    // The plug-in's panel under the host's main window that is not `old`.
    int OtherPanelWindow(int old) const {
        for (int id : widgets.ChildWindowsOf(widgets.MainWindowId()))
            if (id != old && widgets.IsAlive(id) && widgets.ClassOf(id) == "window") return id;
        return 0;
    }
    // The user works every control of `panel`, with and without the keys,
    // and closes it; the answers of the events the host delivered.
    // The user's clicks on `panel`, on their way before it was hidden.
    static std::vector<int> WorkEveryControl(const validation::PanelControls& panel) {
        using sim::button_bits::kCtrl;
        using sim::button_bits::kShift;
        const sim::HiddenInputScope late;
        std::vector<sim::EventOutcome> outcomes;
        for (int box : {panel.view, panel.normal, panel.overwrite, panel.allways})
            outcomes.push_back(sim::UserClick(box));
        outcomes.push_back(sim::UserChangeSpin(panel.spin, 50.0));
        for (std::size_t row = 0; row < panel.sets.size(); ++row) {
            outcomes.push_back(Stage::Press(panel.toggles[row]));
            outcomes.push_back(Stage::PressRight(panel.toggles[row]));
            for (int keys : {0, kShift, kCtrl, kShift | kCtrl}) {
                outcomes.push_back(Stage::Press(panel.sets[row], keys));
                outcomes.push_back(Stage::Press(panel.clears[row], keys));
            }
            outcomes.push_back(Stage::PressRight(panel.sets[row]));
        }
        outcomes.push_back(sim::UserCloseWindow(panel.window));
        std::vector<int> answers;
        for (const sim::EventOutcome& outcome : outcomes)
            if (outcome.delivered) answers.push_back(outcome.answer);
        return answers;
    }

    Stage stage{plugin};
};

// Whatever the user answers after the exit, the panel goes once the handler
// has returned, nothing it made is left, and the settings are those that a
// plain exit at the same moment saves: a colour chosen after the exit is
// not taken.
TEST_F(NestedEvents, ExitInsideAModalRunLeavesNothingAndSavesWhatAPlainExitSaves) {
    for (ModalPlace place : validation::kModalPlaces) {
        for (bool ok : {true, false}) {
            SCOPED_TRACE(validation::ModalPlaceName(place) + (ok ? ", OK" : ", Cancel"));
            plugin.Exit();
            const std::vector<std::optional<std::string>> plain = Saved();
            plugin.Start();
            Nest(place, NestedEvent::Exit);
            const std::size_t runs = ModalRunsSoFar();
            EXPECT_EQ(validation::RunModalPlace(stage, place, ok, {0, 255, 0}), 0);
            ASSERT_EQ(ModalRunsSoFar(), runs + 1);
            ASSERT_EQ(sim::Dialogs().PendingWhileMessageBoxOpen() +
                          sim::Dialogs().PendingWhileModalRunOpen(),
                      0u);
            EXPECT_EQ(Stage::PanelWindow(), 0);
            EXPECT_TRUE(widgets.LiveWidgetsOfPlugin().empty()) << widgets.Dump();
            EXPECT_EQ(Saved(), plain);
            ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
            plugin.Start();
        }
    }
}

struct NestedCase {
    NestedEvent event;
    ModalPlace place;
    bool ok;
    int answer;
    Ids recalled;  // what row 1 selects afterwards; it held {0, 1}
    bool down;     // row 1's toggle afterwards
    int drawn;     // drawing objects of the next draw pass
};

// A draw pass, activation, deactivation and the document events change
// nothing that the question was about: the answer is carried out. A new
// document empties the markers, so a store or clear confirmed after it is
// dropped; colours survive a new document, so the chosen one is taken.
TEST_F(NestedEvents, OtherHostEventsInsideAModalRunLeaveAConsistentState) {
    using E = NestedEvent;
    using P = ModalPlace;
    const Ids kHeld{0, 1};
    const Ids kNone{};
    // clang-format off
    const NestedCase cases[] = {
        {E::Draw, P::ColourDialog, true, 1, kHeld, true, 1},
        {E::Draw, P::Overwrite, true, 1, {2}, true, 1},
        {E::Draw, P::Add, true, 1, {0, 1, 2}, true, 1},
        {E::Draw, P::Clear, true, 1, kNone, false, 0},
        {E::Draw, P::Overwrite, false, 0, kHeld, true, 1},
        {E::LoadDocument, P::ColourDialog, true, 1, kNone, false, 0},
        {E::LoadDocument, P::Overwrite, true, 0, kNone, false, 0},
        {E::LoadDocument, P::Add, true, 0, kNone, false, 0},
        {E::LoadDocument, P::Clear, true, 0, kNone, false, 0},
        {E::LoadDocument, P::Clear, false, 0, kNone, false, 0},
        {E::Deactivate, P::ColourDialog, true, 1, kHeld, true, 1},
        {E::Deactivate, P::Overwrite, true, 1, {2}, true, 1},
        {E::Deactivate, P::Clear, true, 1, kNone, false, 0},
        {E::Activate, P::Add, true, 1, {0, 1, 2}, true, 1},
        {E::Event210, P::Overwrite, true, 1, {2}, true, 1},
        {E::Event220, P::Clear, true, 1, kNone, false, 0},
        {E::Event221, P::ColourDialog, true, 1, kHeld, true, 1},
        {E::Event221, P::Add, true, 1, {0, 1, 2}, true, 1},
    };
    // clang-format on
    for (const NestedCase& c : cases) {
        SCOPED_TRACE(validation::NestedEventName(c.event) + " in " +
                     validation::ModalPlaceName(c.place) + (c.ok ? ", OK" : ", Cancel"));
        plugin.Activate(stage.doc, 1);
        stage.Draw();
        Nest(c.place, c.event);
        const std::size_t runs = ModalRunsSoFar();
        EXPECT_EQ(validation::RunModalPlace(stage, c.place, c.ok, {0, 255, 0}), c.answer);
        ASSERT_EQ(ModalRunsSoFar(), runs + 1);
        EXPECT_EQ(Down(1), c.down);
        EXPECT_FALSE(Down(0) || Down(2));
        EXPECT_EQ(RecallRow(1), c.recalled);
        plugin.Activate(stage.doc, 1);
        stage.Draw();
        EXPECT_EQ(documents.LiveDrawObjectCount(), c.drawn);
        if (c.place == P::ColourDialog) {
            plugin.Exit();
            EXPECT_EQ(Stored("r1"), "0.000000e+000");
            EXPECT_EQ(Stored("g1"), "1.000000e+000");
            EXPECT_EQ(Stored("b1"), "0.000000e+000");
            plugin.Start();
        }
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        // Row 1 empty for the next case, the panel's toggles up.
        Stage::Press(Stage::Panel().clears[1], sim::button_bits::kShift);
    }
}

// The panel that an exit inside a modal run set aside is hidden at once and
// deaf to the user: every control of it, its close included, answers 0,
// changes nothing and calls the host for nothing (the host reports any call
// of a handler of an ended run but the destruction of its widgets), and no
// deactivation notice follows the exit.
TEST_F(NestedEvents, ThePanelAnExitSetAsideIsHiddenAndDeaf) {
    for (ModalPlace place : validation::kModalPlaces) {
        SCOPED_TRACE(validation::ModalPlaceName(place));
        const validation::PanelControls old = Stage::Panel();
        const int notices = sim::DeactivateNotices();
        std::optional<bool> visibleAfterExit;
        std::vector<int> answers;
        const auto exitThenWork = [&] {
            plugin.Exit();
            visibleAfterExit = widgets.BoolProperty(old.window, "visible");
            answers = WorkEveryControl(old);
        };
        if (place == ModalPlace::ColourDialog)
            sim::Dialogs().QueueWhileModalRunOpen(exitThenWork);
        else
            sim::Dialogs().QueueWhileMessageBoxOpen(exitThenWork);
        const std::size_t runs = ModalRunsSoFar();
        EXPECT_EQ(validation::RunModalPlace(stage, place, true, {0, 255, 0}), 0);
        ASSERT_EQ(ModalRunsSoFar(), runs + 1);
        EXPECT_EQ(visibleAfterExit, false);
        EXPECT_EQ(answers.size(), 39u);
        EXPECT_EQ(answers, std::vector<int>(answers.size(), 0));
        EXPECT_EQ(ModalRunsSoFar(), runs + 1);  // the old panel asked nothing
        EXPECT_EQ(sim::DeactivateNotices(), notices);
        EXPECT_TRUE(widgets.LiveWidgetsOfPlugin().empty()) << widgets.Dump();
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        // The markers and the options are as the plain exit left them.
        plugin.Start();
        EXPECT_EQ(RecallRow(1), (Ids{0, 1}));
        EXPECT_EQ(RecallRow(0), Ids{});
        stage.Draw();
        EXPECT_EQ(documents.LiveDrawObjectCount(), 1);
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
    }
}

// The host exits and starts the plug-in again inside one question or the
// colour dialog, and the user works both panels: the new one does its work,
// the old one none, and the confirmed question of the old one stores and
// clears nothing in the new run. The new run stays active and its panel
// shown; the old panel goes when its handler has returned.
TEST_F(NestedEvents, AnExitAndAStartInsideOneModalRunLeaveTheNewRunToTheNewPanel) {
    for (ModalPlace place : validation::kModalPlaces) {
        SCOPED_TRACE(validation::ModalPlaceName(place));
        const validation::PanelControls old = Stage::Panel();
        const int notices = sim::DeactivateNotices();
        std::vector<int> oldAnswers, newAnswers;
        int fresh = 0;
        const auto exitStartThenWork = [&] {
            plugin.Exit();
            plugin.Start();
            fresh = OtherPanelWindow(old.window);
            const validation::PanelControls panel = Stage::Panel(fresh);
            stage.Select({3});
            newAnswers.push_back(Stage::Press(panel.sets[2], sim::button_bits::kShift).answer);
            newAnswers.push_back(sim::UserClick(panel.normal).answer);
            oldAnswers = WorkEveryControl(old);
        };
        if (place == ModalPlace::ColourDialog)
            sim::Dialogs().QueueWhileModalRunOpen(exitStartThenWork);
        else
            sim::Dialogs().QueueWhileMessageBoxOpen(exitStartThenWork);
        EXPECT_EQ(validation::RunModalPlace(stage, place, true, {0, 255, 0}), 0);
        EXPECT_EQ(newAnswers, (std::vector<int>{1, 1}));
        EXPECT_EQ(oldAnswers, std::vector<int>(39, 0));
        ASSERT_NE(fresh, 0);
        EXPECT_EQ(Stage::PanelWindow(), fresh);
        for (int id : widgets.LiveWidgetsOfPlugin()) EXPECT_TRUE(widgets.Contains(fresh, id)) << id;
        EXPECT_EQ(widgets.BoolProperty(fresh, "visible"), true);
        EXPECT_EQ(plugin.IsActivated(stage.doc), 1);
        EXPECT_EQ(sim::DeactivateNotices(), notices);
        EXPECT_TRUE(widgets.BoolProperty(Stage::Panel().view, "checked").value_or(false));
        stage.Draw();
        EXPECT_EQ(documents.LiveDrawObjectCount(), 2);
        EXPECT_EQ(RecallRow(1), (Ids{0, 1}));
        EXPECT_EQ(RecallRow(2), (Ids{3}));
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        // Both rows empty, Normal off again, for the next place.
        Stage::Press(Stage::Panel().clears[1], sim::button_bits::kShift);
        Stage::Press(Stage::Panel().clears[2], sim::button_bits::kShift);
        sim::UserClick(Stage::Panel().normal);
    }
}

// The user confirms a question after the host exited and started the
// plug-in again while it was open: the answer belonged to the old run, and
// the new run's markers stay as they are.
TEST_F(NestedEvents, AnAnswerAfterAnExitAndAStartChangesNothingInTheNewRun) {
    for (ModalPlace place : {ModalPlace::Overwrite, ModalPlace::Add, ModalPlace::Clear}) {
        SCOPED_TRACE(validation::ModalPlaceName(place));
        sim::Dialogs().QueueWhileMessageBoxOpen([&] {
            plugin.Exit();
            plugin.Start();
        });
        EXPECT_EQ(validation::RunModalPlace(stage, place, true), 0);
        EXPECT_EQ(RecallRow(1), (Ids{0, 1}));
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
    }
}

// A question opened inside a question, on the same panel, and the exit
// inside the inner one: the inner handler's end must leave the panel to the
// outer one, which still waits in its question over it. Both answer 0 and
// the panel goes when the outer one has returned.
TEST_F(NestedEvents, AnExitInsideAQuestionInsideAQuestionKeepsThePanelForTheOuterOne) {
    using sim::button_bits::kShift;
    const validation::PanelControls panel = Stage::Panel();
    stage.Select({0, 1});
    Stage::Press(panel.sets[1], kShift);
    stage.Select({1, 2});
    Stage::Press(panel.sets[2], kShift);
    stage.Select({3});
    Stage::AnswerNextBox(1);
    Stage::AnswerNextBox(1);
    int inner = -1;
    sim::Dialogs().QueueWhileMessageBoxOpen([&] {
        sim::Dialogs().QueueWhileMessageBoxOpen([&] { plugin.Exit(); });
        inner = Stage::Press(panel.clears[2]).answer;
        // The inner handler has returned; the outer one's panel is still there.
        EXPECT_TRUE(widgets.IsAlive(panel.window));
    });
    EXPECT_EQ(Stage::Press(panel.sets[1]).answer, 0);
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(sim::Dialogs().MessageBoxes().size(), 2u);
    EXPECT_TRUE(widgets.LiveWidgetsOfPlugin().empty()) << widgets.Dump();
    ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
    plugin.Start();
    EXPECT_EQ(RecallRow(1), (Ids{0, 1}));
    EXPECT_EQ(RecallRow(2), (Ids{1, 2}));
}

// Second questions and colour dialogs the deeper nestings open, nested ones
// counted too.
std::size_t OpenedIn(const validation::NestedActs& acts) {
    std::size_t opened = 0;
    for (const validation::NestedAct& act : acts) {
        if (act.kind == validation::NestedAct::Kind::Question ||
            act.kind == validation::NestedAct::Kind::ColourDialog)
            opened += 1 + OpenedIn(act.inside);
    }
    return opened;
}

// The deeper nestings the validator runs reach as deep as they say: each
// second question and colour dialog opens, and everything queued inside
// each level is taken there, not left for a later question. The host's
// contract holds throughout.
TEST_F(NestedEvents, DeepNestingsOpenEveryLevelTheyNameAndKeepTheContract) {
    for (const auto& [name, acts] : validation::DeepNestings()) {
        for (ModalPlace place : validation::kModalPlaces) {
            for (bool ok : {true, false}) {
                SCOPED_TRACE(name + " inside " + validation::ModalPlaceName(place) +
                             (ok ? ", OK" : ", Cancel"));
                if (Stage::PanelWindow() == 0) plugin.Start();
                plugin.Activate(stage.doc, 1);
                stage.Draw();
                if (place == ModalPlace::ColourDialog)
                    validation::NestActsInNextDialog(stage, acts);
                else
                    validation::NestActsInNextQuestion(stage, acts);
                const std::size_t runs = ModalRunsSoFar();
                validation::RunModalPlace(stage, place, ok);
                EXPECT_GE(ModalRunsSoFar(), runs + 1 + OpenedIn(acts));
                EXPECT_EQ(sim::Dialogs().PendingWhileMessageBoxOpen() +
                              sim::Dialogs().PendingWhileModalRunOpen() +
                              sim::Dialogs().PendingMessageBoxAnswers() +
                              sim::Dialogs().PendingModalActions(),
                          0u);
                ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
                sim::Dialogs().DropPending();
            }
        }
    }
}

}  // namespace
