#include "validation_harness/user_session.h"

#include "simhost/documents/document_model.h"
#include "simhost/widgets/widget_model.h"
#include "validation_harness/module_controls.h"

namespace validation {

namespace {
using sim::button_bits::kCtrl;
using sim::button_bits::kShift;
constexpr int kOk = 1;
constexpr int kCancel = 2;
}  // namespace

bool RunUserSession(Stage& stage) {
    sim::PluginModule& plugin = stage.plugin;
    sim::DocumentModel& documents = sim::Documents();
    stage.OpenDocument();
    stage.PresetSettings();
    plugin.Start();
    plugin.Activate(stage.doc, 1);
    plugin.IsActivated(stage.doc);
    stage.Draw();
    const bool onTackpinPanel = HasTackpinControls(stage.Panel());

    // Stores: a first store asks nothing; a second one asks, and so does
    // the added one.
    stage.Select({0, 1, 5});
    Stage::Press(stage.Panel().sets[0]);
    stage.Select({6, 7});
    Stage::AnswerNextBox(kOk);
    Stage::Press(stage.Panel().sets[1]);
    stage.Select({2});
    Stage::AnswerNextBox(kOk);
    Stage::Press(stage.Panel().sets[0], kCtrl);
    documents.ClearSelection(stage.doc);
    documents.SelectFace(stage.doc, stage.grid, 4);
    Stage::Press(stage.Panel().sets[2], kShift);
    stage.Draw();

    // Recalls, one replacing and one adding to the selection.
    Stage::PressRight(stage.Panel().toggles[0]);
    Stage::PressRight(stage.Panel().toggles[1], kCtrl);

    // Colours: one taken, one cancelled.
    Stage::AnswerNextColorDialog(u"OK", {0, 128, 255});
    Stage::PressRight(stage.Panel().sets[1]);
    Stage::AnswerNextColorDialog(u"Cancel", {255, 255, 0});
    Stage::PressRight(stage.Panel().sets[2]);

    // Every drawing option changed, with normals drawn.
    PanelControls panel = stage.Panel();
    for (int box : {panel.view, panel.view, panel.normal, panel.overwrite, panel.allways})
        sim::UserClick(box);
    sim::UserChangeSpin(panel.spin, 7.5);
    stage.Draw();
    Stage::Press(stage.Panel().toggles[1]);
    stage.Draw();

    // The geometry changes under the markers.
    plugin.DocumentEvent(stage.doc, 210, 0);
    documents.SetVertexPosition(stage.grid, 0, {0.5f, 0.5f, 1.0f});
    plugin.DocumentEvent(stage.doc, 221);
    stage.Draw();
    documents.DeleteVertex(stage.grid, 1);
    documents.Compact(stage.grid);
    plugin.DocumentEvent(stage.doc, 221);
    plugin.DocumentEvent(stage.doc, 220);
    stage.Draw();
    Stage::PressRight(stage.Panel().toggles[0]);

    // Another object becomes current; a store and a draw there.
    documents.SetCurrentObject(stage.doc, 1);
    stage.Select({0, 2});
    Stage::Press(stage.Panel().sets[2], kShift);
    stage.Draw();

    // Clears: one confirmed, one cancelled.
    Stage::AnswerNextBox(kOk);
    Stage::Press(stage.Panel().clears[2]);
    Stage::AnswerNextBox(kCancel);
    Stage::Press(stage.Panel().clears[0]);
    stage.Draw();

    // The user closes the panel; the host activates the plug-in again.
    sim::UserCloseWindow(stage.Panel().window);
    plugin.IsActivated(stage.doc);
    plugin.Activate(stage.doc, 1);
    stage.Draw();

    // A new document: markers emptied, then one stored and drawn there.
    stage.OpenDocument();
    plugin.LoadDocument(stage.doc, "next.mqo");
    stage.Select({3});
    Stage::Press(stage.Panel().sets[0]);
    stage.Draw();

    // The panel moves before the host closes.
    if (int window = stage.PanelWindow(); window != 0) {
        sim::Widgets().SetByUser(window, "pos_x", 240);
        sim::Widgets().SetByUser(window, "pos_y", 160);
    }
    return onTackpinPanel;
}

}  // namespace validation
