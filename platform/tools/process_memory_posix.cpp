// Linux: glibc's allocator statistics, or AddressSanitizer's when it has
// replaced the allocator.
#include "platform/tools/process_memory.h"

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define TACKPIN_ASAN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TACKPIN_ASAN_HEAP 1
#endif
#endif

#if defined(TACKPIN_ASAN_HEAP)
#include <cstddef>
// The sanitizer runtime's own count; declared here, as not every compiler
// ships its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace platform {

std::int64_t HeapBytesInUse() {
#if defined(TACKPIN_ASAN_HEAP)
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<std::int64_t>(mallinfo2().uordblks);
#endif
}

}  // namespace platform
