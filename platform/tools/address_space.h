// A limit on the address space of the calling process, for the test that
// stores a selection larger than the memory there is. Not part of the
// plug-in. Linux only: on Windows only a job object limits a process's
// memory, set from outside it.
#pragma once

#include <cstddef>

namespace platform {

// Lets this process map at most `bytes` more than it has mapped now; false
// when the limit cannot be set.
bool LimitAddressSpaceGrowth(std::size_t bytes);
// Takes the limit away again.
void LiftAddressSpaceLimit();

}  // namespace platform
