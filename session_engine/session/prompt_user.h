// The person at tackpin-host's prompt as the host's user in front of its
// dialogs: a question the plug-in asks with no answer queued for it is put
// to them ("Overwrite? [ok/cancel]"); a colour dialog with nothing queued is
// told as it closes unanswered. A script keeps its rule: what was not
// queued stays unanswered.
#pragma once

#include <optional>

#include "session_engine/line_input/line_input.h"
#include "simhost/widgets/widget_dialogs.h"

namespace host_tool {

class Session;

class PromptUser : public sim::LiveUser {
public:
    PromptUser(Session& session, LineInput& input) : session_(session), input_(input) {}

    // Asks until the answer is "ok" or "cancel" (or their first letters);
    // the end of the input cancels.
    std::optional<int> AnswerMessageBox(const sim::MessageBoxRecord& box) override;
    // Says that the dialog closes unanswered, and how to choose in one.
    std::optional<int> RunModal(int dialogId) override;

private:
    Session& session_;
    LineInput& input_;
};

}  // namespace host_tool
