// Windows: the C runtime writes text streams with CRLF unless they are in
// binary mode.
#include "platform/tools/text_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace platform {

void WriteLfLineEnds() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform
