// Linux: lines already end in LF alone.
#include "platform/tools/text_output.h"

namespace platform {

void WriteLfLineEnds() {}

}  // namespace platform
