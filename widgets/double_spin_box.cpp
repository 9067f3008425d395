#include "widgets/double_spin_box.h"

#include "widgets/widget_property.h"

double MQDoubleSpinBox::GetPosition() const {
    return widget_property::GetDouble(id, "position", 0.0);
}

void MQDoubleSpinBox::SetPosition(double position) {
    widget_property::SetDouble(id, "position", position);
}

void MQDoubleSpinBox::SetMin(double min) { widget_property::SetDouble(id, "min", min); }

void MQDoubleSpinBox::SetMax(double max) { widget_property::SetDouble(id, "max", max); }

void MQDoubleSpinBox::SetIncrement(double increment) {
    widget_property::SetDouble(id, "increment", increment);
}

void MQDoubleSpinBox::SetMaxDecimalDigit(int digits) {
    widget_property::SetInt(id, "maxdecimaldigit", digits);
}
