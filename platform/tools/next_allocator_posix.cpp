// Linux: the program's own operator new and delete, in their forms that do
// not throw. The module keeps its replacements to itself (its export map),
// so these calls reach the program's: under AddressSanitizer its allocator,
// which then tells memory taken with new from memory taken with new[] as
// it does for the rest of the program.
#include <new>

#include "platform/tools/next_allocator.h"

namespace platform {

void* NextNew(std::size_t size) noexcept { return ::operator new(size, std::nothrow); }
void* NextNewArray(std::size_t size) noexcept { return ::operator new[](size, std::nothrow); }
void NextDelete(void* block) noexcept { ::operator delete(block, std::nothrow); }
void NextDeleteArray(void* block) noexcept { ::operator delete[](block, std::nothrow); }

}  // namespace platform
