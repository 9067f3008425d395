// A host "button": a push button, or a toggle button that stays down.
#pragma once

#include "widgets/widget_base.h"

// Owned by the window that created it. [ui-thread]
class MQButton : public MQWidgetBase {
public:
    MQButton() : MQWidgetBase("button") {}

    void SetText(const char16_t* text);
    // "toggle": the button stays down until clicked again.
    void SetToggle(bool toggle);
    // "down": whether a toggle button is pressed; false when the host does
    // not answer.
    bool GetDown() const;
    void SetDown(bool down);
    // "modalresult": what a modal run answers when this button closes it.
    void SetModalResult(int result);
    // "default", "cancel": the button answers Enter, or Escape.
    void SetDefault(bool isDefault);
    void SetCancel(bool isCancel);
};
