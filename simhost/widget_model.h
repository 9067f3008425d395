// The host's widgets: ids, classes, properties, the parent tree, event
// handlers, message boxes and modal runs.
#pragma once

#include <string>

namespace sim {

class WidgetModel {
public:
    void Reset();
    std::string Dump() const;
    // Called after the plug-in handled the exit event: every widget it
    // created must be destroyed by then.
    void CheckAfterExit();
};

WidgetModel& Widgets();

}  // namespace sim
