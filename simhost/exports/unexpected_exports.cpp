// The host functions that the plug-in resolves but must never call, taken
// from the plug-in's table of host function names. Each call is recorded as a
// breach of the host contract.
#include "platform/export.h"
#include "simhost/contract/violations.h"

#define UNEXPECTED_Called(name)
#define UNEXPECTED_Resolved(name) \
    extern "C" TACKPIN_EXPORT void name() { sim::ReportUnexpectedCall(#name); }
#define HOST_FUNCTION(name, use) UNEXPECTED_##use(name)
#define HOST_LOOKUP_AGAIN(name)
#include "host/host_function_names.h"
