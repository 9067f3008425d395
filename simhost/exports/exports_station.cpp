// The host's station functions: the messages the plug-in sends (drawing
// objects, scene options, the settings element, the deactivation notice)
// and its requests to redraw the views.
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/deliveries.h"
#include "simhost/faults/fault_scopes.h"
#include "simhost/host_state.h"

extern "C" TACKPIN_EXPORT int MQ_SendMessage(int message, MessageHeader* record) {
    sim::CheckCallAfterExit("MQ_SendMessage");
    sim::FlagForOneCall refusal = sim::StationMessageRefusal(message);
    sim::HandleStationMessage(message, record);
    return 0;
}

extern "C" TACKPIN_EXPORT void MQ_RefreshView(void* options) {
    sim::CheckCallAfterExit("MQ_RefreshView");
    sim::HandleRefreshView(options);
}
