// A host "colorpanel": the colour chooser, in integers 0 to 255.
#pragma once

#include "widgets/widget_base.h"
#include "widgets/widget_property.h"

// Owned by the window that created it. [ui-thread]
class MQColorPanel : public MQWidgetBase {
public:
    MQColorPanel() : MQWidgetBase("colorpanel") {}

    // "rgb"; (0, 0, 0) when the host does not answer.
    WidgetRgb GetRgb() const;
    void SetRgb(int r, int g, int b);
};
