// The record of what ran in the page's host, as a session script of
// tackpin-host's language. A command is filed when it ends: what the user
// answered in the questions and colour dialogs it opened goes before it
// ("answer ok", "colour 255 0 0 ok"), as do the commands delivered while
// they were open ("inside question draw"), so that the script reaches the
// same state when run.
#pragma once

#include <string>
#include <vector>

namespace serve {

class SessionRecord {
public:
    // A command starts, at the depth of the dialogs open now.
    void BeginCommand();
    // The command ends; `line` is filed with what it opened before it, or
    // dropped with them when the command was refused.
    void EndCommand(const std::string& line, bool ran);
    // A question (or the colour dialog) opens in the command running now.
    void BeginDialog(bool question);
    // It closes; `answer` is the line that answers it in a script (none
    // when it was left unanswered).
    void EndDialog(const std::string& answer);

    // The script so far.
    std::string Text() const;
    // Lines as they were filed at the top, for tests.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    struct Dialog {
        bool question = true;
        std::string answer;
        std::vector<std::string> inside;
    };
    struct Frame {
        std::vector<Dialog> opened;
    };

    std::vector<Frame> frames_;
    std::vector<Dialog> open_;
    std::vector<std::string> lines_;
};

// Words as one line of the session language, quoting those with blanks.
std::string CommandLine(const std::vector<std::string>& words);

}  // namespace serve
