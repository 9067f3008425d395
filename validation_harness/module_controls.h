// The controls of a plug-in that is not Tackpin, as a user meets them: the
// buttons, check boxes and spin boxes it registered, found in the host's
// widget tree rather than by their captions. The random sessions and the
// nesting runs act on these when the panel has none of Tackpin's controls.
#pragma once

#include <string>
#include <vector>

#include "validation_harness/choices.h"
#include "validation_harness/stage.h"

namespace validation {

// True when `panel` holds Tackpin's rows (a "Set" button in the first).
bool HasTackpinControls(const PanelControls& panel);

// The plug-in's live buttons, check boxes and spin boxes, in creation
// order.
std::vector<int> ModuleControls();

// The module's controls in the tree under `window`, child windows
// included; none when it is gone.
std::vector<int> ModuleControlsIn(int window);

// The user works control `id` once: a new value typed into a spin box, a
// click on a check box, a left and a right press on a button.
void WorkControl(int id);

// One action of the user's on control `id`, chosen by `pick`: a click, a
// left or right press with keys held, or a new value typed into a spin box.
// The words for the session's trail.
std::string ActOnControl(int id, Choices& pick);

// The user works the module's controls one by one (a click, then a right
// press on each button) until one opens a question (`question`) or a
// dialog; the answer queued for it is OK or Cancel. True when one opened.
bool OpenModalOnControls(bool question, bool ok);

}  // namespace validation
