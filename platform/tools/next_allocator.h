// The allocation functions beneath a module's own operator new and delete,
// for the test build of the plug-in that counts its allocations and fails
// one on demand. Not part of the plug-in.
#pragma once

#include <cstddef>

namespace platform {

// `size` bytes as the allocator beneath the module gives them (for a single
// object or for an array); null when there is no memory.
void* NextNew(std::size_t size) noexcept;
void* NextNewArray(std::size_t size) noexcept;
// Gives back a block of NextNew or NextNewArray.
void NextDelete(void* block) noexcept;
void NextDeleteArray(void* block) noexcept;

}  // namespace platform
