// Resolution of the host function table by name.
#include "host/host_api.h"

#include "platform/platform.h"

namespace host {

HostProc g_functions[kFunctionCount] = {};

const Lookup kLookupOrder[] = {
#define HOST_LOOKUP(name) {#name, Fn::name},
#include "host/host_lookup_order.h"
#undef HOST_LOOKUP
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
