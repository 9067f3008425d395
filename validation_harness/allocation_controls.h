// The controls that the test build of the plug-in (Tackpin_allocfail)
// exports beside the fourteen entry points: its own allocations counted from
// a start, one of them failed with std::bad_alloc on demand, and the plug-in
// object's state as text. The release module has none of them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace validation {

extern "C" {
// Counts the module's allocations from 0 from now on, and fails the one
// with ordinal `failAt` (none when negative).
using CountAllocationsFunction = void (*)(std::int64_t failAt);
// Allocations counted so far.
using AllocationsFunction = std::int64_t (*)();
// 1 once the allocation to fail has failed.
using AllocationFailedFunction = int (*)();
// The plug-in object's slots and flags as text, into `text` of `size` bytes
// (ended by a 0); the length of the whole text. Its own allocations are not
// counted.
using DescribePluginFunction = int (*)(char* text, int size);
}

inline constexpr char kCountAllocationsName[] = "TackpinTestCountAllocations";
inline constexpr char kAllocationsName[] = "TackpinTestAllocations";
inline constexpr char kAllocationFailedName[] = "TackpinTestAllocationFailed";
inline constexpr char kDescribePluginName[] = "TackpinTestDescribePlugin";

// The test build of the plug-in beside the simulated host.
std::string AllocationTestModulePath();

// The controls of a loaded test build, found by name.
class AllocationControls {
public:
    // Finds the controls in the module at `path`, which must stay loaded as
    // long as they are used; false when it has none.
    bool Bind(const std::string& path);
    void CountFrom(std::int64_t failAt) const { countAllocations_(failAt); }
    std::int64_t Count() const { return allocations_(); }
    bool Failed() const { return failed_() != 0; }
    std::string DescribePlugin() const;

private:
    CountAllocationsFunction countAllocations_ = nullptr;
    AllocationsFunction allocations_ = nullptr;
    AllocationFailedFunction failed_ = nullptr;
    DescribePluginFunction describe_ = nullptr;
};

}  // namespace validation
