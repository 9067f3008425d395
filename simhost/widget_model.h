// The host's widgets: ids, classes, properties, the parent tree, event
// handlers, message boxes and modal runs.
#pragma once

#include <string>

namespace sim {

class WidgetModel {
public:
    void Reset();
    std::string Dump() const;
};

WidgetModel& Widgets();

}  // namespace sim
