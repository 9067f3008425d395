// The colour dialog of a marker: a colour panel with "OK" and "Cancel",
// run modally at the pointer, and the conversions between a slot's colour
// and the panel's integers.
#pragma once

#include "widgets/widgets.h"

class Tackpin;

class SetColorDialog : public MQDialog {
public:
    // Builds the dialog as a child window of `parent`, its colour panel
    // showing (red, green, blue), each nominally 0 to 255. `owner` is kept,
    // not owned. [ui-thread, after MQInit]
    SetColorDialog(MQWindowBase* parent, Tackpin* owner, int red, int green, int blue);

    // Not owned.
    Tackpin* plugin;
    // Owned by the dialog through its owned children.
    MQColorPanel* colorPanel = nullptr;
};

// A slot component as the colour panel's integer: ×255 in single precision,
// truncated toward zero. Values beyond the integer range give the nearest
// limit, not-a-number gives 0. [any time]
int ColorComponentToPanel(float component);
// A panel integer as a slot component: ÷255 in double precision, narrowed.
// [any time]
float PanelComponentToColor(int value);
