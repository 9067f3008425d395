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
    Ids RecallRow(int row) {
        documents.ClearSelection(stage.doc);
        Stage::PressRight(Stage::Panel().toggles[static_cast<std::size_t>(row)]);
        return documents.SelectedVertices(stage.doc, stage.grid);
    }
    bool Down(int row) const {
        return widgets.BoolProperty(Stage::Panel().toggles[static_cast<std::size_t>(row)], "down")
            .value_or(false);
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
