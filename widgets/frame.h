// Frames: host containers that lay out their children in a row or a column.
#pragma once

#include "widgets/widget_base.h"

// Base of the frame classes.
class MQFrameBase : public MQWidgetBase {
protected:
    explicit MQFrameBase(const char* hostClass) : MQWidgetBase(hostClass) {}
};

// A host "frame". Owned by the window that created it. [ui-thread]
class MQFrame : public MQFrameBase {
public:
    enum class Alignment { Horizontal, Vertical };

    MQFrame() : MQFrameBase("frame") {}

    // "alignment": "horz" or "vert".
    void SetAlignment(Alignment alignment);
    // "inspace", "outspace": spacing between and around the children.
    void SetInSpace(double space);
    void SetOutSpace(double space);
};
