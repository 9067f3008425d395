#include "session_engine/session/prompt_user.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "session_engine/session/session.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;

// The answer as typed, without the spaces around it, in lower case.
std::string Plain(const std::string& typed) {
    std::string word;
    for (char c : typed)
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

}  // namespace

std::optional<int> PromptUser::AnswerMessageBox(const sim::MessageBoxRecord& box) {
    const std::string question = sim::Printable(box.message) + " [ok/cancel] ";
    std::string line;
    while (input_.Next(question, line)) {
        const std::string word = Plain(line);
        if (word == "ok" || word == "o") return kOk;
        if (word == "cancel" || word == "c") return kCancel;
        session_.Note("the plug-in asks \"" + sim::Printable(box.message) +
                      "\": answer ok or cancel");
    }
    session_.Note("the input ended while the plug-in asked \"" + sim::Printable(box.message) +
                  "\": cancelled");
    return kCancel;
}

std::optional<int> PromptUser::RunModal(int) {
    session_.Note(
        "the plug-in opened its colour dialog, and no choice was queued for it: it closes "
        "unanswered (queue one before the click with \"colour R G B ok\")");
    return std::nullopt;
}

}  // namespace host_tool
