#include "widgets/color_panel.h"

WidgetRgb MQColorPanel::GetRgb() const { return widget_property::GetRgb(id, "rgb", WidgetRgb{}); }

void MQColorPanel::SetRgb(int r, int g, int b) {
    widget_property::SetRgb(id, "rgb", WidgetRgb{r, g, b});
}
