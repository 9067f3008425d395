// The host functions that the plug-in resolves and never calls: the lean host
// exports each name so that the look-up succeeds, with a body that does nothing.
#include "platform/export.h"

#define LEAN_UNUSED_Called(name)
#define LEAN_UNUSED_Resolved(name) \
    extern "C" TACKPIN_EXPORT void name() {}
#define HOST_FUNCTION(name, use) LEAN_UNUSED_##use(name)
#define HOST_LOOKUP_AGAIN(name)
#include "host/host_function_names.h"
