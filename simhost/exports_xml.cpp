// Settings element functions of the host (not modelled yet).
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/violations.h"

extern "C" TACKPIN_EXPORT int MQXmlElem_Value(MQXmlElement, int, void*) { sim::ReportUnexpectedCall("MQXmlElem_Value"); return {}; }
