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
    *this = DialogResponder{};
    live_ = live;
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

void DialogResponder::RunWhileOpen(std::deque<WhileOpenAction>& queue) {
    if (queue.empty()) return;
    // Taken off the queue first: the action may open further boxes and runs.
    WhileOpenAction action = std::move(queue.front());
    queue.pop_front();
    ++open_;
    if (action) action();
    --open_;
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
    RunWhileOpen(whileBoxOpen_);
    boxes_[index].answer = answer;
    return answer;
}

std::optional<int> DialogResponder::AskLiveUser(std::size_t index) {
    const MessageBoxRecord box = boxes_[index];
    ++open_;
    std::optional<int> answer = live_->AnswerMessageBox(box);
    if (open_ > 0) --open_;
    // A restart meanwhile starts the records anew.
    if (index < boxes_.size()) boxes_[index].answer = answer;
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
    if (live_ != nullptr && modalActions_.empty() && whileRunOpen_.empty()) {
        ++open_;
        std::optional<int> answer = live_->RunModal(dialogId);
        if (open_ > 0) --open_;
        // A restart meanwhile starts the records anew.
        if (index < runs_.size() && runs_[index].dialog == dialogId) runs_[index].answer = answer;
        return answer;
    }
    RunWhileOpen(whileRunOpen_);
    if (modalActions_.empty()) return std::nullopt;
    // Taken off the queue first: the action may run nested dialogs.
    ModalAction action = std::move(modalActions_.front());
    modalActions_.pop_front();
    ++open_;
    std::optional<int> answer = action ? action(dialogId) : std::nullopt;
    --open_;
    runs_[index].answer = answer;
    return answer;
}

}  // namespace sim
