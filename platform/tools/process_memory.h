// What the validation tools ask of the process they run in: the heap bytes
// in use, to see whether loading and unloading a module leaves memory
// behind. Not part of the plug-in.
#pragma once

#include <cstdint>

namespace platform {

// Bytes of the C runtime's heap now in use (under AddressSanitizer, its
// allocator's count); -1 when this platform cannot tell.
std::int64_t HeapBytesInUse();

}  // namespace platform
