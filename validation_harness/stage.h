// The host side of a validation run: a document with mesh objects and a
// scene, the plug-in's panel found by its captions, and the user's hands on
// it. Nothing here asserts: a run under faults must go on whatever the
// plug-in made of the last step, so every look-up answers 0 for a control
// that is not there and every action on 0 does nothing.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "host/host_abi.h"
#include "simhost/plugin_module.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_properties.h"

namespace validation {

// The panel's controls by host id; 0 where the panel has none.
struct PanelControls {
    int window = 0;
    std::array<int, 3> toggles{};
    std::array<int, 3> sets{};
    std::array<int, 3> clears{};
    int view = 0, normal = 0, overwrite = 0, allways = 0, spin = 0;
};

class Stage {
public:
    explicit Stage(sim::PluginModule& plugin) : plugin(plugin) {}

    // A new document with a closed grid ("torus"), a square and a lone line
    // object, the grid current; a scene that shows everything. Widget events
    // carry this document from now on.
    void OpenDocument();

    // The plug-in's settings as an earlier run left them: active, placed,
    // with a colour of its own in every row. [after StartHost]
    void PresetSettings();

    // The plug-in's window under the host's main window, and its controls.
    // After an exit and a start inside a modal run two are there until the
    // waiting handler returns: this is the newer, the started run's.
    static int PanelWindow();
    static PanelControls Panel();
    // The controls of the panel `window` (all 0 when it is 0 or gone): an
    // old panel that an exit inside a modal run left until its handler
    // ends, for one. Panel(window) is the same.
    static PanelControls PanelOf(int window);
    static PanelControls Panel(int window);
    // The window the last question opened over, and the one the last colour
    // dialog ran in: the panel that asked, which after an exit and a start
    // inside may be the older one. 0 when it is gone.
    static int PanelOfLastQuestion();
    static int PanelOfLastDialog();
    // The colour panel of the colour dialog while it runs; 0 when none.
    static int ColorPanel();

    // The selection of the current object: these vertices only.
    void Select(std::initializer_list<int> vertices);
    // The user's mouse on a control with the keys of `buttons`
    // (sim::button_bits) held.
    static sim::EventOutcome Press(int id, int buttons = 0);
    static sim::EventOutcome PressRight(int id, int buttons = 0);
    // In the next message box the user answers `answer` (1 OK, 2 Cancel).
    static void AnswerNextBox(int answer);
    // In the next colour dialog the user picks `rgb` and clicks `caption`
    // ("OK", "Cancel"; empty: closes it by other means).
    static void AnswerNextColorDialog(std::u16string caption, sim::RgbValue rgb);

    // A draw pass of the host over the current document.
    int Draw();

    sim::PluginModule& plugin;
    MQDocument doc = nullptr;
    MQScene scene = nullptr;
    MQObject grid = nullptr;
    MQObject square = nullptr;
    MQObject line = nullptr;
};

}  // namespace validation
