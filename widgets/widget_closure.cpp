#include "widgets/widget_closure.h"

#include "widgets/widget_base.h"
#include "widgets/widget_registry.h"

bool IsLiveTarget(int targetId, const MQWidgetBase* target, std::uint64_t targetSerial) {
    const MQWidgetBase* registered = TheWidgetRegistry().Find(targetId);
    return registered != nullptr && registered == target && registered->GetSerial() == targetSerial;
}
