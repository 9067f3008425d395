// Host events delivered while the plug-in waits in a question or the colour
// dialog: the host keeps delivering its events during a modal run, nested on
// the same thread. One run of the panel's modal places with one such event
// inside, for the validator, the random sessions and the tests.
#pragma once

#include <string>

#include "validation_harness/stage.h"

namespace validation {

// A host event that may arrive during a modal run.
enum class NestedEvent {
    Draw,          // a draw pass (110)
    Exit,          // the host's exit (2)
    LoadDocument,  // a new document and its load event (200)
    Deactivate,    // activation event 100 with flag 0
    Activate,      // activation event 100 with flag 1
    Event210,
    Event220,
    Event221,  // the geometry changed
};
inline constexpr NestedEvent kNestedEvents[] = {NestedEvent::Draw,         NestedEvent::Exit,
                                                NestedEvent::LoadDocument, NestedEvent::Deactivate,
                                                NestedEvent::Activate,     NestedEvent::Event210,
                                                NestedEvent::Event220,     NestedEvent::Event221};

// The panel's modal places: the colour dialog of a right click on "Set", and
// the three questions.
enum class ModalPlace { ColourDialog, Overwrite, Add, Clear };
inline constexpr ModalPlace kModalPlaces[] = {ModalPlace::ColourDialog, ModalPlace::Overwrite,
                                              ModalPlace::Add, ModalPlace::Clear};

// "draw", "exit", "load-document", ...
std::string NestedEventName(NestedEvent event);
// "the colour dialog", "\"Overwrite?\"", ...
std::string ModalPlaceName(ModalPlace place);

// The host delivers `event` now: a draw pass over the stage's document, the
// exit, a new document on the stage with its load event, an activation
// event, or a document event. [after StartHost]
void DeliverNested(Stage& stage, NestedEvent event);
// While the next message box is open, or the next modal run runs, the host
// delivers `event`. `stage` must outlive the box or run. [after StartHost]
void NestInNextQuestion(Stage& stage, NestedEvent event);
void NestInNextDialog(Stage& stage, NestedEvent event);

// Row 1 of the panel holds a marker (stored with Shift, so nothing is
// asked), then the user's click opens `place` on that row: a right click on
// "Set", or a left click on "Set" (with Ctrl for "Add?") or on "Clr". The
// user answers OK (in the dialog: picks `rgb` first) or Cancel. The
// handler's answer. On a panel
// without Tackpin's controls the user works the module's own controls
// until one opens a question (the colour dialog's place: a dialog) and
// answers it; then 1 when one opened, else 0. [after the plug-in started]
int RunModalPlace(Stage& stage, ModalPlace place, bool ok, sim::RgbValue rgb = {0, 255, 0});

}  // namespace validation
