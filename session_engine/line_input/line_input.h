// The interactive prompt's source of lines: with line editing and a history
// kept between runs where the build has them, plain lines otherwise.
#pragma once

#include <memory>
#include <string>

namespace host_tool {

class LineInput {
public:
    virtual ~LineInput() = default;
    // Shows the prompt and reads one line; false at the end of the input.
    virtual bool Next(const std::string& prompt, std::string& line) = 0;
};

// A prompt that keeps its history in `historyPath` (empty: none).
std::unique_ptr<LineInput> MakePrompt(const std::string& historyPath);
// Whether this build edits lines at the prompt.
bool LineEditingAvailable();

}  // namespace host_tool
