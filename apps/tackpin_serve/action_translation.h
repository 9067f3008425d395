// The page's actions as the host carries them out: each becomes the command
// lines of the session language that do it (so that the record is the
// commands that ran), or one of the few steps the language expresses only
// as what the user does in an open dialog (answering the question, the
// colour dialog's colour, its buttons and close box). Every check that can
// be made before acting is made here, so that a refused action changes
// nothing.
#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "apps/tackpin_serve/state_json.h"
#include "session_engine/session/session.h"
#include "simhost/widgets/widget_properties.h"

namespace serve {

// A request refused with its HTTP status and reason.
class RequestError : public std::runtime_error {
public:
    RequestError(int status, const std::string& reason)
        : std::runtime_error(reason), status_(status) {}
    int Status() const { return status_; }

private:
    int status_;
};

enum class Step {
    Commands,      // the command lines, in order
    Answer,        // the open question answered
    DialogButton,  // a button of the open dialog clicked
    DialogClose,   // the open dialog's close box
    DialogColour,  // the open dialog's colour panel set
};

struct Translation {
    Step step = Step::Commands;
    std::vector<std::vector<std::string>> commands;
    int answer = 0;  // Answer: 1 OK, 2 Cancel
    int widget = 0;  // DialogButton: the button; DialogColour: the colour panel
    sim::RgbValue rgb;
    // The host draws the view after the action, as it does after every change.
    bool redraw = true;
};

// What the action is checked against besides the session.
struct ActionContext {
    const std::vector<ModalEntry>& modal;  // open now, innermost last
    const std::vector<std::string>& examples;
    std::string examplesFolder;
    const std::set<int>& objectsSeen;  // unique ids the page may have seen
};

// Throws RequestError: 400 a malformed action, 404 an unknown widget or
// object, 409 an action that does not fit the moment.
Translation Translate(host_tool::Session& session, const nlohmann::json& action,
                      const ActionContext& context);

// "0-3 7 9-10": indices as the session language lists them, runs joined.
std::vector<std::string> IndexWords(std::vector<int> indices);

}  // namespace serve
