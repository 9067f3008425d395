// The host's settings element function: every action goes to the settings
// document, which checks the handle and the record first.
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/deliveries.h"
#include "simhost/faults/fault_scopes.h"
#include "simhost/settings/settings_model.h"

extern "C" TACKPIN_EXPORT int MQXmlElem_Value(MQXmlElement elem, int action, void* record) {
    sim::CheckCallAfterExit("MQXmlElem_Value");
    sim::FlagForOneCall refusal = sim::ElementActionRefusal(action);
    sim::Settings().ElementValue(elem, action, record);
    return 0;
}
