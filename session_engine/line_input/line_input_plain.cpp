// The prompt without line editing: lines as the terminal delivers them.
#include <iostream>

#include "session_engine/line_input/line_input.h"

namespace host_tool {

namespace {
class PlainInput : public LineInput {
public:
    bool Next(const std::string& prompt, std::string& line) override {
        std::cout << prompt << std::flush;
        if (std::getline(std::cin, line)) return true;
        // The end of the input leaves the cursor after the prompt.
        std::cout << '\n' << std::flush;
        return false;
    }
};
}  // namespace

std::unique_ptr<LineInput> MakePrompt(const std::string&) { return std::make_unique<PlainInput>(); }

bool LineEditingAvailable() { return false; }

}  // namespace host_tool
