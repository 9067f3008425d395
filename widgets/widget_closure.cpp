#include "widgets/widget_closure.h"

#include "widgets/widget_registry.h"

bool IsLiveTarget(int targetId, const MQWidgetBase* target) {
    const MQWidgetBase* registered = TheWidgetRegistry().Find(targetId);
    return registered != nullptr && registered == target;
}
