// Several things inside one modal run of the panel, one after another, as
// the host and the user bring them: host events, the host starting the
// plug-in again after an exit there, the user's clicks on the panel the run
// belongs to and on the plug-in's panel now, and a second question or
// colour dialog opened inside, with things of its own inside it. For the
// validator and the tests; nothing here asserts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "validation_harness/nested_events.h"

namespace validation {

struct NestedAct {
    enum class Kind {
        HostEvent,     // `event`, as DeliverNested delivers it
        Start,         // the host starts the plug-in (after an exit inside)
        OldPanel,      // the user works every control of the panel the run belongs to
        NewPanel,      // the user works every control of the plug-in's panel now
        Question,      // "Clr" in row 1 of the panel now: "Clear?", answered `ok`
        ColourDialog,  // a right click on row 1's "Set": the colour dialog, `ok`
    };
    Kind kind = Kind::HostEvent;
    NestedEvent event = NestedEvent::Draw;
    bool ok = true;
    // What happens inside the question or the colour dialog opened.
    std::vector<NestedAct> inside;
};
using NestedActs = std::vector<NestedAct>;

NestedAct Act(NestedEvent event);
NestedAct Act(NestedAct::Kind kind);
// A second question or colour dialog, answered `ok`, with `inside` inside.
NestedAct Opened(NestedAct::Kind kind, bool ok, NestedActs inside);

// "exit, start, the old panel, draw"; what a second question or dialog
// holds follows it in brackets.
std::string NestedActsText(const NestedActs& acts);

// The user works every control of `panel` once, left button unless said:
// in each row the toggle (then with the right button: a recall), "Set" with
// Shift, "Set" and "Clr" (which may ask; nothing answers); each check box;
// the spin box; last the close box. Controls that are gone take nothing.
// On another plug-in's panel: each of its own controls, then the close box.
void WorkEveryControl(const PanelControls& panel);

// While the next question is open, or the next modal run runs, `acts`
// happen in order; the panel the run belongs to is the one that asked.
// `stage` must outlive it. [after StartHost]
void NestActsInNextQuestion(Stage& stage, NestedActs acts);
void NestActsInNextDialog(Stage& stage, NestedActs acts);

// The deeper nestings the validator runs inside each modal place, by name:
// exit then start then both panels then a draw; a second question, and the
// colour dialog, opened inside with an exit inside them; the panel's
// controls, then a question and the colour dialog with load-document inside.
const std::vector<std::pair<std::string, NestedActs>>& DeepNestings();

}  // namespace validation
