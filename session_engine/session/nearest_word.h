// The known word a mistyped one was most likely meant to be, for the
// "did you mean" of an unknown command or value.
#pragma once

#include <string>
#include <vector>

namespace host_tool {

// The word of `known` nearest to `typed` (fewest letters added, dropped,
// changed or swapped), if it is near enough to be a slip of the hand: at
// most one edit in a short word, two in a longer one. Empty when none is.
std::string NearestWord(const std::string& typed, const std::vector<std::string>& known);

// "; did you mean \"WORD\"?" for the nearest word; empty when none is near.
std::string DidYouMean(const std::string& typed, const std::vector<std::string>& known);

}  // namespace host_tool
