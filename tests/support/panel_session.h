// Fixture for end-to-end tests of the plug-in's panel and life: finds the
// panel's controls in the host's widget tree, reads the plug-in's settings
// element, and ends one run of the host and begins the next with the
// settings it stored.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "simhost/documents/document_model.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"
#include "tests/support/plugin_fixture.h"
#include "tests/support/test_temp_path.h"
#include "validation_harness/stage.h"

// The panel's controls by host id, looked up by caption and class.
using validation::PanelControls;

// What the user saw in one run of the colour dialog.
struct ColorDialogSeen {
    int dialog = 0;
    std::optional<int> x, y;
    std::optional<sim::RgbValue> rgb;
};

// The twelve keys in the order the plug-in writes them.
inline const std::vector<std::string> kSettingKeys = {
    "Tackpin_activate", "PosX", "PosY", "r0", "g0", "b0", "r1", "g1", "b1", "r2", "g2", "b2"};

class PanelSession : public PluginTest {
protected:
    sim::WidgetModel& widgets = sim::Widgets();
    sim::SettingsModel& settings = sim::Settings();
    sim::DocumentModel& documents = sim::Documents();

    // The plug-in's element under "pluginsettings".
    std::string Element() const {
        unsigned int product = 0, id = 0;
        plugin.Exports().getPlugInId(&product, &id);
        char name[32];
        std::snprintf(name, sizeof name, "Plugin-%08X-%08X", product, id);
        return name;
    }
    std::optional<std::string> Stored(const std::string& key) const {
        return settings.PluginElementText(Element(), key);
    }
    void Store(const std::string& key, const std::string& text) {
        settings.SetChildText(Element(), key, text);
    }

    // The plug-in's window under the host's main window (0 when none), and
    // its controls, found as the validation's stage finds them.
    static int PanelWindow() { return validation::Stage::PanelWindow(); }
    static PanelControls Panel() { return validation::Stage::Panel(); }

    // A document with one square object (two triangles over vertices 0 to
    // 3), the document that widget events carry.
    void OpenSquare() {
        doc = documents.NewDocument();
        obj = documents.AddObject(doc, "square");
        for (sim::Vec3 p : {sim::Vec3{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}})
            documents.AddVertex(obj, p);
        documents.AddFace(obj, {0, 1, 2});
        documents.AddFace(obj, {0, 2, 3});
        widgets.SetEventDocument(doc);
    }
    void Select(const std::vector<int>& vertices) {
        documents.ClearSelection(doc);
        for (int v : vertices) documents.SelectVertex(doc, obj, v);
    }
    std::vector<int> Selected() const { return documents.SelectedVertices(doc, obj); }

    // The user's clicks, with the keys of `buttons` (sim::button_bits) held.
    static sim::EventOutcome Press(int id, int buttons = 0) {
        sim::PointerInfo pointer;
        pointer.buttonState = buttons;
        return sim::UserLeftDown(id, pointer);
    }
    static sim::EventOutcome PressRight(int id, int buttons = 0, int screenX = 0, int screenY = 0) {
        sim::PointerInfo pointer;
        pointer.buttonState = buttons;
        pointer.screenX = screenX;
        pointer.screenY = screenY;
        return sim::UserRightDown(id, pointer);
    }
    // Stores `vertices` into row `row` (Shift: no question).
    void StoreInto(int row, const std::vector<int>& vertices) {
        Select(vertices);
        Press(Panel().sets[static_cast<std::size_t>(row)], sim::button_bits::kShift);
    }
    // What a recall of row `row` selects, from an empty selection.
    std::vector<int> Recall(int row) {
        documents.ClearSelection(doc);
        PressRight(Panel().toggles[static_cast<std::size_t>(row)]);
        return Selected();
    }

    // In the next modal run the user notes what the colour dialog shows,
    // picks `choose` in its colour panel when given, and clicks `caption`
    // (an empty caption closes the dialog by other means).
    static void QueueColorDialog(ColorDialogSeen& seen, std::u16string caption,
                                 std::optional<sim::RgbValue> choose = std::nullopt) {
        sim::Dialogs().QueueModalAction([&seen, caption, choose](int dialog) -> std::optional<int> {
            sim::WidgetModel& model = sim::Widgets();
            seen.dialog = dialog;
            seen.x = model.IntProperty(dialog, "pos_x");
            seen.y = model.IntProperty(dialog, "pos_y");
            int panel = 0;
            for (int id : model.LiveWidgetsOfPlugin())
                if (model.ClassOf(id) == "colorpanel") panel = id;
            seen.rgb = model.RgbProperty(panel, "rgb");
            if (choose) model.SetByUser(panel, "rgb", *choose);
            if (caption.empty()) return std::nullopt;
            std::vector<int> buttons = model.FindByText("button", caption, dialog);
            if (buttons.empty()) return std::nullopt;
            sim::UserLeftDown(buttons.front());
            return model.IntProperty(buttons.front(), "modalresult");
        });
    }

    // The host ends this run (no breach so far), keeps its settings
    // document and starts again with the module loaded afresh.
    void RestartHost() {
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        plugin.Unload();
        ASSERT_TRUE(sim::Violations().empty()) << sim::ViolationReport();
        const std::string path = test_support::TestTempPath("tackpin-e2e-settings", ".xml");
        ASSERT_TRUE(settings.SaveToFile(path));
        sim::ResetHost();
        ASSERT_TRUE(settings.LoadFromFile(path));
        std::remove(path.c_str());
        ASSERT_TRUE(plugin.LoadAndInitialize()) << plugin.Error();
    }

    MQDocument doc = nullptr;
    MQObject obj = nullptr;
};
