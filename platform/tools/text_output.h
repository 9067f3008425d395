// Lines of the standard output and error streams end in LF alone on every
// platform, so that what a program writes is the same bytes on Windows as
// on Linux and a plain diff compares the two. Not part of the plug-in.
#pragma once

namespace platform {

// Makes the C streams stdout and stderr (and C++'s over them) write "\n"
// as it stands. Call it before anything is written.
void WriteLfLineEnds();

}  // namespace platform
