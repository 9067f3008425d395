// The panel's widget tree, initial states and bindings, and the panel's own
// operations: releasing the toggles and running the colour dialog. The
// handlers are in tackpin_window_commands.cpp.
#include "window/tackpin_window.h"

#include <clocale>
#include <memory>

#include "marker/tackpin.h"
#include "platform/platform.h"
#include "window/set_color_dialog.h"

TackpinWindow::TackpinWindow(Tackpin& owner, MQWindowBase* parent)
    : MQWindow(parent), plugin(&owner) {
    // Character classification as the user's system has it.
    std::setlocale(LC_CTYPE, "");
    SetTitle(u"Tackpin");
    SetCanResize(false);

    MQFrame* column = CreateVerticalFrame(this);
    column->SetInSpace(0.0);
    column->SetOutSpace(0.2);

    for (int row = 0; row < Tackpin::kRows; ++row) {
        MQFrame* line = CreateHorizontalFrame(column);
        // Rows are captioned from 0, as the slots are numbered.
        char16_t caption[16];
        platform::FormatWideInt(caption, u"%d", row);
        MQButton* toggle = CreateButton(line, caption);
        toggle->SetToggle(true);
        toggle->AddLeftDownHandler(this, &TackpinWindow::OnToggleLeftDown);
        toggle->AddRightDownHandler(this, &TackpinWindow::OnToggleRightDown);
        MQButton* set = CreateButton(line, u"Set");
        set->AddLeftDownHandler(this, &TackpinWindow::OnSetLeftDown);
        set->AddRightDownHandler(this, &TackpinWindow::OnSetRightDown);
        MQButton* clear = CreateButton(line, u"Clr");
        clear->AddLeftDownHandler(this, &TackpinWindow::OnClearLeftDown);
        toggleButtons.push_back(toggle);
        setButtons.push_back(set);
        clearButtons.push_back(clear);
    }

    // Each box is bound before its state is set, so that a host which
    // reports the programmatic change finds the handler in place.
    auto option = [this](MQFrame* row, const char16_t* caption,
                         MQWidgetEventClosure<TackpinWindow>::Method handler, bool checked) {
        MQCheckBox* box = CreateCheckBox(row, caption);
        box->AddExecuteHandler(this, handler);
        box->SetChecked(checked);
        return box;
    };
    MQFrame* firstOptions = CreateHorizontalFrame(column);
    viewCheck = option(firstOptions, u"View", &TackpinWindow::OnViewExecute, true);
    normalCheck = option(firstOptions, u"Normal", &TackpinWindow::OnNormalExecute, false);
    MQFrame* secondOptions = CreateHorizontalFrame(column);
    overwriteCheck = option(secondOptions, u"Overwrite", &TackpinWindow::OnOverwriteExecute, true);
    allwaysCheck = option(secondOptions, u"Allways", &TackpinWindow::OnAllwaysExecute, false);

    valueSpin = CreateDoubleSpinBox(column);
    valueSpin->SetPosition(5.0);
    valueSpin->SetMin(kMinNormalLength);
    valueSpin->SetMax(kMaxNormalLength);
    valueSpin->SetIncrement(5.0);
    valueSpin->SetMaxDecimalDigit(3);
    valueSpin->AddChangingHandler(this, &TackpinWindow::OnValueChanging);

    AddHideHandler(this, &TackpinWindow::OnHide);
}

TackpinWindow::~TackpinWindow() = default;

void TackpinWindow::ResetToggleButtons() {
    for (std::size_t i = 0; i < toggleButtons.size() && i < Tackpin::kRows; ++i)
        toggleButtons[i]->SetDown(false);
}

int TackpinWindow::EditColor(std::pair<int, int> position, std::array<float, 3>& color) {
    auto dialog = std::make_unique<SetColorDialog>(this, plugin, ColorComponentToPanel(color[0]),
                                                   ColorComponentToPanel(color[1]),
                                                   ColorComponentToPanel(color[2]));
    dialog->SetPosX(position.first);
    dialog->SetPosY(position.second);
    int outcome = 0;
    // An exit while the dialog ran ends this panel's calls to the host: the
    // chosen colour is not even read.
    if (dialog->RunModal() == 1 && plugin->window.get() == this) {
        const WidgetRgb rgb = dialog->colorPanel->GetRgb();
        color = {PanelComponentToColor(rgb.r), PanelComponentToColor(rgb.g),
                 PanelComponentToColor(rgb.b)};
        outcome = 1;
    }
    return outcome;
}
