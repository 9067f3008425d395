// Widget functions of the host (not modelled yet).
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/violations.h"

extern "C" TACKPIN_EXPORT int MQWidget_Value(int, int, KeyValuePair*) { sim::ReportUnexpectedCall("MQWidget_Value"); return {}; }
