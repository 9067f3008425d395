// A host "doublespinbox": a number field with up and down arrows.
#pragma once

#include "widgets/widget_base.h"

// Owned by the window that created it. [ui-thread]
class MQDoubleSpinBox : public MQWidgetBase {
public:
    MQDoubleSpinBox() : MQWidgetBase("doublespinbox") {}

    // "position": the shown value; 0.0 when the host does not answer.
    double GetPosition() const;
    void SetPosition(double position);
    void SetMin(double min);
    void SetMax(double max);
    // "increment": the step of one arrow click.
    void SetIncrement(double increment);
    // "maxdecimaldigit": digits shown after the decimal point, at most.
    void SetMaxDecimalDigit(int digits);
};
