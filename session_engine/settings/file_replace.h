// Replacing a file whole: the new content is written beside it and renamed
// into its place, so a reader finds the old file or the new one, never a
// part, and a failed write leaves the old file as it was.
#pragma once

#include <functional>
#include <string>

namespace host_tool {

// Makes the folder if needed, lets `write` fill the file named by its
// argument, and renames that file to `path`. Throws SessionError naming the
// file when writing or renaming fails.
void ReplaceFile(const std::string& path,
                 const std::function<bool(const std::string& fresh)>& write);

}  // namespace host_tool
