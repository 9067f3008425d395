#include "simhost/widget_dialogs.h"

#include <utility>

#include "simhost/fault_points.h"

namespace sim {

DialogResponder& Dialogs() {
    static DialogResponder responder;
    return responder;
}

void DialogResponder::Reset() { *this = DialogResponder{}; }

void DialogResponder::QueueMessageBoxAnswer(int answer) { boxAnswers_.push_back(answer); }

void DialogResponder::QueueModalAnswer(int answer) {
    modalActions_.push_back([answer](int) { return std::optional<int>(answer); });
}

void DialogResponder::QueueModalAction(ModalAction action) {
    modalActions_.push_back(std::move(action));
}

std::optional<int> DialogResponder::AnswerMessageBox(MessageBoxRecord box) {
    if (!boxAnswers_.empty()) {
        box.answer = boxAnswers_.front();
        boxAnswers_.pop_front();
    }
    // Closed without an answer: the user's answer goes with it.
    if (FaultPoints().Refuse(FaultPoint::MessageBox)) box.answer.reset();
    boxes_.push_back(std::move(box));
    return boxes_.back().answer;
}

std::optional<int> DialogResponder::RunModal(int dialogId) {
    std::size_t index = runs_.size();
    runs_.push_back(ModalRunRecord{dialogId, std::nullopt});
    // Closed without an answer before the user acts: the action is dropped.
    if (FaultPoints().Refuse(FaultPoint::ModalRun)) {
        if (!modalActions_.empty()) modalActions_.pop_front();
        return std::nullopt;
    }
    if (modalActions_.empty()) return std::nullopt;
    // Taken off the queue first: the action may run nested dialogs.
    ModalAction action = std::move(modalActions_.front());
    modalActions_.pop_front();
    std::optional<int> answer = action ? action(dialogId) : std::nullopt;
    runs_[index].answer = answer;
    return answer;
}

}  // namespace sim
