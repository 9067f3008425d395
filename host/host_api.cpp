// Resolution of the host function table by name.
#include "host/host_api.h"

#include "platform/platform.h"

namespace host {

HostProc g_functions[kFunctionCount] = {};

constexpr FunctionName kFunctionNames[kFunctionCount] = {
#define HOST_FUNCTION(name, use) {#name, FunctionUse::use},
#define HOST_LOOKUP_AGAIN(name)
#include "host/host_function_names.h"
#undef HOST_LOOKUP_AGAIN
#undef HOST_FUNCTION
};

namespace {
constexpr int CalledCount() {
    int count = 0;
    for (const FunctionName& function : kFunctionNames)
        count += function.use == FunctionUse::Called;
    return count;
}
}  // namespace
static_assert(CalledCount() == 29, "the plug-in calls 29 host functions");

const Lookup kLookupOrder[] = {
#define HOST_FUNCTION(name, use) {#name, Fn::name},
#define HOST_LOOKUP_AGAIN(name) {#name, Fn::name},
#include "host/host_function_names.h"
#undef HOST_LOOKUP_AGAIN
#undef HOST_FUNCTION
};
const int kLookupCount = static_cast<int>(sizeof(kLookupOrder) / sizeof(kLookupOrder[0]));
static_assert(sizeof(kLookupOrder) / sizeof(kLookupOrder[0]) == 176);

int ResolveHostFunctions(const char* hostModulePath) {
    platform::ModuleHandle module = platform::LoadModule(hostModulePath);
    if (module == nullptr) return 0;
    for (const Lookup& lookup : kLookupOrder) {
        void* address = platform::FindSymbol(module, lookup.name);
        if (address == nullptr) {
            platform::ReleaseModule(module);
            return 0;
        }
        g_functions[static_cast<int>(lookup.entry)] = reinterpret_cast<HostProc>(address);
    }
    // The host keeps its own module loaded, so the addresses stay valid.
    platform::ReleaseModule(module);
    return 1;
}

}  // namespace host
