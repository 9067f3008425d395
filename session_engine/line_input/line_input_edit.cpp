// The prompt through libedit: cursor keys, editing and the history, which is
// read at the start and written back after every line.
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include <editline/readline.h>

#include "session_engine/line_input/line_input.h"

namespace host_tool {

namespace {
class EditedInput : public LineInput {
public:
    explicit EditedInput(std::string historyPath) : historyPath_(std::move(historyPath)) {
        using_history();
        if (!historyPath_.empty()) read_history(historyPath_.c_str());
    }

    bool Next(const std::string& prompt, std::string& line) override {
        char* text = readline(prompt.c_str());
        if (text == nullptr) {
            // Ctrl-D leaves the cursor after the prompt: end that line, so
            // that what the host says on closing starts a line of its own.
            if (isatty(STDIN_FILENO)) std::fputs("\n", stdout);
            return false;
        }
        line = text;
        std::free(text);
        if (line.find_first_not_of(" \t") != std::string::npos) {
            add_history(line.c_str());
            if (!historyPath_.empty()) write_history(historyPath_.c_str());
        }
        return true;
    }

private:
    std::string historyPath_;
};
}  // namespace

std::unique_ptr<LineInput> MakePrompt(const std::string& historyPath) {
    return std::make_unique<EditedInput>(historyPath);
}

bool LineEditingAvailable() { return true; }

}  // namespace host_tool
