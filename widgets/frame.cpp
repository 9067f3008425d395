#include "widgets/frame.h"

#include "widgets/widget_property.h"

void MQFrame::SetAlignment(Alignment alignment) {
    widget_property::SetNarrow(id, "alignment",
                               alignment == Alignment::Horizontal ? "horz" : "vert");
}

void MQFrame::SetInSpace(double space) { widget_property::SetDouble(id, "inspace", space); }

void MQFrame::SetOutSpace(double space) { widget_property::SetDouble(id, "outspace", space); }
