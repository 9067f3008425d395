// Windows: the C runtime's heap. The DLL carries its own C++ runtime, whose
// operator new forms (the one that does not throw among them) all end in
// the module's replacement, so beneath it there is only malloc and free.
#include <cstdlib>

#include "platform/tools/next_allocator.h"

namespace platform {

void* NextNew(std::size_t size) noexcept { return std::malloc(size != 0 ? size : 1); }
void* NextNewArray(std::size_t size) noexcept { return std::malloc(size != 0 ? size : 1); }
void NextDelete(void* block) noexcept { std::free(block); }
void NextDeleteArray(void* block) noexcept { std::free(block); }

}  // namespace platform
