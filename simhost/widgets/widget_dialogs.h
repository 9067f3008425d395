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

// What happens while a message box or a modal run is open, before the user
// answers it: host events and user actions, delivered nested on the same
// thread as the real host delivers them.
using WhileOpenAction = std::function<void()>;

// A user in front of the host live (a person at a page), asked only when
// nothing is queued for a box or a run: each call returns when that user
// answered, and may deliver host events and user actions nested meanwhile.
class LiveUser {
public:
    virtual ~LiveUser() = default;
    virtual std::optional<int> AnswerMessageBox(const MessageBoxRecord& box) = 0;
    virtual std::optional<int> RunModal(int dialogId) = 0;
};

class DialogResponder {
public:
    void Reset();

    // The answer of the next message box (1 is OK, 2 Cancel).
    void QueueMessageBoxAnswer(int answer);
    // The answer of the next modal run.
    void QueueModalAnswer(int answer);
    // What the user does in the next modal run.
    void QueueModalAction(ModalAction action);
    // What happens while the next message box is open, before it is
    // answered; each box takes at most one.
    void QueueWhileMessageBoxOpen(WhileOpenAction action);
    // What happens while the next modal run is open, before the user's
    // modal action (if any) answers it; each run takes at most one.
    void QueueWhileModalRunOpen(WhileOpenAction action);
    // Drops every action not yet taken, answers and modal actions included:
    // whoever queued them is done.
    void DropPending();
    // Drops the message box answers not yet taken; how many there were.
    std::size_t DropMessageBoxAnswers();

    // Host side: records `box`, runs what happens while it is open, then
    // takes the next queued answer for it. The answer is the one queued
    // first at the time the box opened, so that a box opened nested inside
    // it takes the next one. Re-entrant.
    std::optional<int> AnswerMessageBox(MessageBoxRecord box);
    // Host side: runs what happens while the run is open, then the next
    // queued action for the dialog, and records the run. Re-entrant: the
    // actions may cause further boxes and runs.
    std::optional<int> RunModal(int dialogId);

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
    const std::vector<ModalRunRecord>& ModalRuns() const { return runs_; }
    std::size_t PendingMessageBoxAnswers() const { return boxAnswers_.size(); }
    std::size_t PendingModalActions() const { return modalActions_.size(); }
    std::size_t PendingWhileMessageBoxOpen() const { return whileBoxOpen_.size(); }
    std::size_t PendingWhileModalRunOpen() const { return whileRunOpen_.size(); }
    // Message boxes and modal runs open now, nested ones included.
    int OpenNow() const { return open_; }

    // The live user, kept across resets (a host restarted in front of the
    // same person); null: none.
    void SetLiveUser(LiveUser* user) { live_ = user; }

private:
    // Runs the next action of `queue`, if any, counting the box or run as
    // open meanwhile.
    void RunWhileOpen(std::deque<WhileOpenAction>& queue);
    // Box `index` as the live user answers it.
    std::optional<int> AskLiveUser(std::size_t index);

    std::deque<int> boxAnswers_;
    std::deque<ModalAction> modalActions_;
    std::deque<WhileOpenAction> whileBoxOpen_;
    std::deque<WhileOpenAction> whileRunOpen_;
    int open_ = 0;
    // Host resets so far, kept across them: a box or run open when the host
    // is reset no longer has its record.
    int resets_ = 0;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<ModalRunRecord> runs_;
    LiveUser* live_ = nullptr;
};

DialogResponder& Dialogs();

}  // namespace sim
