// The host's widget function: every window and control call of the plug-in.
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/contract/host_contract.h"
#include "simhost/deliveries.h"
#include "simhost/faults/fault_scopes.h"
#include "simhost/widgets/widget_model.h"

extern "C" TACKPIN_EXPORT int MQWidget_Value(int id, int message, KeyValuePair* list) {
    sim::CheckCallAfterExit("MQWidget_Value", message == sim::widget_msg::kDestroy ? id : 0);
    sim::WidgetCallRefusal refusal(message);
    return sim::Widgets().HandleMessage(id, message, list);
}
