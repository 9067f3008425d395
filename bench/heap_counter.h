// Counts the heap bytes the process holds, for measuring what a marker slot
// keeps: the benchmark executable replaces the global allocation functions.
#pragma once

#include <cstddef>

namespace bench {

// Bytes of every live allocation made through operator new, as the C
// library sized them (what they really take, rounding included).
std::size_t LiveHeapBytes();
// The most live bytes there were at any time since ResetPeakHeapBytes.
std::size_t PeakHeapBytes();
void ResetPeakHeapBytes();

}  // namespace bench
