#include "validation_harness/allocation_controls.h"

#include <vector>

#include "simhost/plugin_module.h"

namespace validation {

std::string AllocationTestModulePath() {
    return sim::ModuleFolder() + platform::kPathSeparator + "Tackpin_allocfail" +
           platform::kModuleSuffix;
}

namespace {
template <typename Function>
Function Find(platform::ModuleHandle module, const char* name) {
    return reinterpret_cast<Function>(platform::FindSymbol(module, name));
}
}  // namespace

bool AllocationControls::Bind(const std::string& path) {
    // A second reference to the module that is loaded already: the same
    // handle, given back at once.
    platform::ModuleHandle module = platform::LoadModule(path.c_str());
    if (module == nullptr) return false;
    countAllocations_ = Find<CountAllocationsFunction>(module, kCountAllocationsName);
    allocations_ = Find<AllocationsFunction>(module, kAllocationsName);
    failed_ = Find<AllocationFailedFunction>(module, kAllocationFailedName);
    describe_ = Find<DescribePluginFunction>(module, kDescribePluginName);
    platform::ReleaseModule(module);
    return countAllocations_ != nullptr && allocations_ != nullptr && failed_ != nullptr &&
           describe_ != nullptr;
}

std::string AllocationControls::DescribePlugin() const {
    std::vector<char> text(4096);
    int length = describe_(text.data(), static_cast<int>(text.size()));
    if (length >= static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(length) + 1);
        length = describe_(text.data(), static_cast<int>(text.size()));
    }
    return std::string(text.data(), static_cast<std::size_t>(length));
}

}  // namespace validation
