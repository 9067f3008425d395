// The colour dialog and the conversions between a slot's colour and the
// colour panel's integers. The panel runs it in TackpinWindow::EditColor.
#include "window/set_color_dialog.h"

#include <cmath>
#include <limits>

SetColorDialog::SetColorDialog(MQWindowBase* parent, Tackpin* owner, int red, int green, int blue)
    : MQDialog(parent), plugin(owner) {
    MQFrame* column = CreateVerticalFrame(this);
    colorPanel = CreateColorPanel(column);
    colorPanel->SetRgb(red, green, blue);
    MQFrame* buttons = CreateHorizontalFrame(column);
    MQButton* ok = CreateButton(buttons, u"OK");
    ok->SetModalResult(1);
    ok->SetDefault(true);
    MQButton* cancel = CreateButton(buttons, u"Cancel");
    cancel->SetModalResult(2);
    cancel->SetCancel(true);
}

int ColorComponentToPanel(float component) {
    const float scaled = component * 255.0f;
    // A colour from hand-edited settings may be anything; converting a value
    // the integer cannot hold would be undefined.
    if (std::isnan(scaled)) return 0;
    constexpr float kBeyondMax = 2147483648.0f;  // 2^31, the first float above INT_MAX
    if (scaled >= kBeyondMax) return std::numeric_limits<int>::max();
    if (scaled < -kBeyondMax) return std::numeric_limits<int>::min();
    return static_cast<int>(scaled);
}

float PanelComponentToColor(int value) {
    return static_cast<float>(static_cast<double>(static_cast<float>(value)) / 255.0);
}
