// The scripted user in front of the host's message boxes and modal dialogs.
// Tests queue answers (and actions taken while a dialog runs); a box or a
// modal run with nothing queued is left unanswered, so the plug-in's preset
// result stands.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// One message box as the plug-in asked it.
struct MessageBoxRecord {
    int parent = 0;
    std::string messageType;  // "okcancel"
    std::u16string message;
    std::u16string title;
    std::optional<int> answer;  // nothing: left unanswered
};

// One modal run of a dialog.
struct ModalRunRecord {
    int dialog = 0;
    std::optional<int> answer;
};

// What the user does while a dialog runs modally; returns the run's answer,
// or nothing to leave it unanswered. May drive widgets and send events.
using ModalAction = std::function<std::optional<int>(int dialogId)>;

class DialogResponder {
public:
    void Reset();

    // The answer of the next message box (1 is OK, 2 Cancel).
    void QueueMessageBoxAnswer(int answer);
    // The answer of the next modal run.
    void QueueModalAnswer(int answer);
    // What the user does in the next modal run.
    void QueueModalAction(ModalAction action);

    // Host side: takes the next queued answer for `box` and records it.
    std::optional<int> AnswerMessageBox(MessageBoxRecord box);
    // Host side: runs the next queued action for the dialog and records the
    // run. Re-entrant: the action may cause further boxes and runs.
    std::optional<int> RunModal(int dialogId);

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
    const std::vector<ModalRunRecord>& ModalRuns() const { return runs_; }
    std::size_t PendingMessageBoxAnswers() const { return boxAnswers_.size(); }
    std::size_t PendingModalActions() const { return modalActions_.size(); }

private:
    std::deque<int> boxAnswers_;
    std::deque<ModalAction> modalActions_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<ModalRunRecord> runs_;
};

DialogResponder& Dialogs();

}  // namespace sim
