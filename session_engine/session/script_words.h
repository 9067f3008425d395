// Splits one line of a session into words: blanks separate, double quotes
// keep blanks inside a word, and `#` outside quotes starts a comment.
#pragma once

#include <string>
#include <vector>

namespace host_tool {

// The words of `line`; none for a blank or comment line. Throws SessionError
// on a quote that is not closed.
std::vector<std::string> SplitWords(const std::string& line);

}  // namespace host_tool
