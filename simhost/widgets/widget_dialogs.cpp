#include "simhost/widgets/widget_dialogs.h"

#include <utility>

#include "simhost/faults/fault_points.h"

namespace sim {

DialogResponder& Dialogs() {
    static DialogResponder responder;
    return responder;
}

void DialogResponder::Reset() {
    LiveUser* live = live_;
    const int resets = resets_ + 1;
    *this = DialogResponder{};
    live_ = live;
    resets_ = resets;
}

void DialogResponder::QueueMessageBoxAnswer(int answer) { boxAnswers_.push_back(answer); }

void DialogResponder::QueueModalAnswer(int answer) {
    modalActions_.push_back([answer](int) { return std::optional<int>(answer); });
}

void DialogResponder::QueueModalAction(ModalAction action) {
    modalActions_.push_back(std::move(action));
}

void DialogResponder::QueueWhileMessageBoxOpen(WhileOpenAction action) {
    whileBoxOpen_.push_back(std::move(action));
}

void DialogResponder::QueueWhileModalRunOpen(WhileOpenAction action) {
    whileRunOpen_.push_back(std::move(action));
}

void DialogResponder::DropPending() {
    boxAnswers_.clear();
    modalActions_.clear();
    whileBoxOpen_.clear();
    whileRunOpen_.clear();
}

std::size_t DialogResponder::DropMessageBoxAnswers() {
    const std::size_t dropped = boxAnswers_.size();
    boxAnswers_.clear();
    return dropped;
}

void DialogResponder::RunWhileOpen(std::deque<WhileOpenAction>& queue) {
    if (queue.empty()) return;
    // Taken off the queue first: the action may open further boxes and runs.
    WhileOpenAction action = std::move(queue.front());
    queue.pop_front();
    const int resets = resets_;
    ++open_;
    if (action) action();
    // A host reset meanwhile counted this box or run out already.
    if (resets_ == resets) --open_;
}

std::optional<int> DialogResponder::AnswerMessageBox(MessageBoxRecord box) {
    const std::size_t index = boxes_.size();
    boxes_.push_back(std::move(box));
    std::optional<int> answer;
    if (!boxAnswers_.empty()) {
        answer = boxAnswers_.front();
        boxAnswers_.pop_front();
    }
    // Closed without an answer as it opens: the user's answer, and what was
    // to happen while it was open, go with it.
    if (FaultPoints().Refuse(FaultPoint::MessageBox)) {
        if (!whileBoxOpen_.empty()) whileBoxOpen_.pop_front();
        return std::nullopt;
    }
    if (live_ != nullptr && !answer && whileBoxOpen_.empty()) return AskLiveUser(index);
    const int resets = resets_;
    RunWhileOpen(whileBoxOpen_);
    // The host may have been reset meanwhile, with this box's record.
    if (resets_ == resets) boxes_[index].answer = answer;
    return answer;
}

std::optional<int> DialogResponder::AskLiveUser(std::size_t index) {
    const MessageBoxRecord box = boxes_[index];
    const int resets = resets_;
    ++open_;
    std::optional<int> answer = live_->AnswerMessageBox(box);
    // A host reset meanwhile counted this box out already, and started the
    // records anew.
    if (resets_ != resets) return answer;
    --open_;
    boxes_[index].answer = answer;
    return answer;
}

std::optional<int> DialogResponder::RunModal(int dialogId) {
    std::size_t index = runs_.size();
    runs_.push_back(ModalRunRecord{dialogId, std::nullopt});
    // Closed without an answer before the user acts: the actions are dropped.
    if (FaultPoints().Refuse(FaultPoint::ModalRun)) {
        if (!modalActions_.empty()) modalActions_.pop_front();
        if (!whileRunOpen_.empty()) whileRunOpen_.pop_front();
        return std::nullopt;
    }
    const int resets = resets_;
    if (live_ != nullptr && modalActions_.empty() && whileRunOpen_.empty()) {
        ++open_;
        std::optional<int> answer = live_->RunModal(dialogId);
        // A host reset meanwhile counted this run out already, and started
        // the records anew.
        if (resets_ != resets) return answer;
        --open_;
        runs_[index].answer = answer;
        return answer;
    }
    RunWhileOpen(whileRunOpen_);
    // After a host reset the run's record and the user's actions are gone.
    if (resets_ != resets || modalActions_.empty()) return std::nullopt;
    // Taken off the queue first: the action may run nested dialogs.
    ModalAction action = std::move(modalActions_.front());
    modalActions_.pop_front();
    ++open_;
    std::optional<int> answer = action ? action(dialogId) : std::nullopt;
    if (resets_ != resets) return answer;
    --open_;
    runs_[index].answer = answer;
    return answer;
}

}  // namespace sim
