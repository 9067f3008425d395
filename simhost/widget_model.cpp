#include "simhost/widget_model.h"

namespace sim {

WidgetModel& Widgets() {
    static WidgetModel model;
    return model;
}

void WidgetModel::Reset() {}

void WidgetModel::CheckAfterExit() {}

std::string WidgetModel::Dump() const { return "widgets: (not modelled yet)\n"; }

}  // namespace sim
