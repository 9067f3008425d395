// Windows: the C runtime's heap, walked block by block.
#include "platform/tools/process_memory.h"

#include <malloc.h>

namespace platform {

std::int64_t HeapBytesInUse() {
    _HEAPINFO entry{};
    std::int64_t used = 0;
    int status = _HEAPOK;
    while ((status = _heapwalk(&entry)) == _HEAPOK) {
        if (entry._useflag == _USEDENTRY) used += static_cast<std::int64_t>(entry._size);
    }
    return status == _HEAPEND ? used : -1;
}

}  // namespace platform
