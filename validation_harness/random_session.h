// Random whole sessions: document edits, selection, clicks on the panel,
// answers to its questions and host events, in any order, against the
// simulated host with its contract checks on. Host events (a draw, the exit,
// a new document, activation, document events) also come while a question
// or the colour dialog is open, one or several in a row, with the host
// starting the plug-in again after such an exit, the user's clicks on the
// panel that asked and on the plug-in's panel now, and a second question or
// colour dialog opened inside, up to three deep. A session stops at the
// first breach, and its steps are written down so that the report can show
// them. A module whose panel has none of Tackpin's controls gets the same
// steps on whatever buttons, check boxes and spin boxes it registered.
#pragma once

#include <string>
#include <vector>

#include "validation_harness/choices.h"
#include "validation_harness/stage.h"

namespace validation {

struct RandomSessionResult {
    int steps = 0;                   // steps taken
    std::vector<std::string> trail;  // one line per step, in order
    // Actions on the module's own controls, for a module whose panel has
    // none of Tackpin's.
    int moduleControlActions = 0;
};

// Opens a document, starts the plug-in and takes up to `maxSteps` random
// steps (fewer when `choices` runs out or the host sees a breach). Does not
// exit. [after StartHost]
RandomSessionResult RunRandomSession(Stage& stage, Choices& choices, int maxSteps);

}  // namespace validation
