// One whole session of a user with the plug-in, always the same: start,
// activation, stores, recalls, colours, options, draw passes, geometry
// edits, clears, closing and reopening the panel and a new document. It
// asserts nothing, so it runs to its end under any fault the host shows.
#pragma once

#include "validation_harness/stage.h"

namespace validation {

// Runs the session up to, not including, the exit event. False when the
// panel the plug-in showed had none of Tackpin's controls, so that the
// session's clicks reached nothing. [after StartHost]
bool RunUserSession(Stage& stage);

}  // namespace validation
