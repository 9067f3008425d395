// A host "checkbox" with its caption.
#pragma once

#include "widgets/widget_base.h"

// Owned by the window that created it. [ui-thread]
class MQCheckBox : public MQWidgetBase {
public:
    MQCheckBox() : MQWidgetBase("checkbox") {}

    void SetText(const char16_t* text);
    // "checked"; false when the host does not answer.
    bool GetChecked() const;
    void SetChecked(bool checked);
};
