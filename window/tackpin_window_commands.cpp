// What the panel's controls do: the handlers bound by the panel's layout.
// None asks the host to redraw; the view follows at the next draw pass.
// A question or the colour dialog runs the host's events while it is open:
// a handler that waited in one looks again at what it works on before it
// acts. A panel that an exit set aside is done with the host: every
// handler of it does nothing and answers 0.
#include <algorithm>
#include <cmath>

#include "marker/tackpin.h"
#include "window/tackpin_window.h"

namespace {

// The row of `sender` in `buttons`, or -1 when it is none of them.
int RowOf(const std::vector<MQButton*>& buttons, const MQWidgetBase* sender) {
    auto found = std::find(buttons.begin(), buttons.end(), sender);
    return found == buttons.end() ? -1 : static_cast<int>(found - buttons.begin());
}

bool HasSlot(const Tackpin& plugin, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < plugin.slots.size();
}

}  // namespace

bool TackpinWindow::StillOpen() const { return plugin->window.get() == this; }

bool TackpinWindow::StillStands(std::uint64_t documentsLoaded) const {
    return StillOpen() && plugin->documentsLoaded == documentsLoaded;
}

bool TackpinWindow::Confirmed(int index, bool shift, const char16_t* question) {
    if (shift || !HasSlot(*plugin, index) ||
        plugin->slots[static_cast<std::size_t>(index)].IsEmpty())
        return true;
    return ShowMessageBox(question, u"Marker") == 1;
}

int TackpinWindow::OnToggleLeftDown(MQWidgetBase* sender, MQDocument, WidgetMouseParam&) {
    if (!StillOpen()) return 0;
    const int index = RowOf(toggleButtons, sender);
    if (index < 0) return 0;
    // "leftdown" comes before the click turns the button: this is the state
    // the click leaves behind, inverted.
    const bool down = toggleButtons[static_cast<std::size_t>(index)]->GetDown();
    if (HasSlot(*plugin, index)) plugin->slots[static_cast<std::size_t>(index)].shown = !down;
    plugin->normalsDirty = true;
    return 1;
}

int TackpinWindow::OnToggleRightDown(MQWidgetBase* sender, MQDocument document,
                                     WidgetMouseParam& mouse) {
    if (!StillOpen()) return 0;
    const int index = RowOf(toggleButtons, sender);
    if (index < 0) return 0;
    plugin->SelectMarker(document, index, mouse.ctrl);
    return 1;
}

int TackpinWindow::OnSetLeftDown(MQWidgetBase* sender, MQDocument document,
                                 WidgetMouseParam& mouse) {
    if (!StillOpen()) return 0;
    const int index = RowOf(setButtons, sender);
    if (index < 0) return 0;
    const Tackpin::PanelInUse inUse(*plugin);
    const std::uint64_t loaded = plugin->documentsLoaded;
    if (!Confirmed(index, mouse.shift, mouse.ctrl ? u"Add?" : u"Overwrite?")) return 0;
    // Exited, or a new document came: the selection the user meant to keep
    // is not the host's any more.
    if (!StillStands(loaded)) return 0;
    const int result = plugin->StoreMarker(document, index, mouse.ctrl);
    // The store shows the marker; the row's button says so, and only then:
    // a store that ran out of memory throws past this and leaves the button
    // as it left the marker.
    if (result != 0) toggleButtons[static_cast<std::size_t>(index)]->SetDown(true);
    return result;
}

int TackpinWindow::OnClearLeftDown(MQWidgetBase* sender, MQDocument, WidgetMouseParam& mouse) {
    if (!StillOpen()) return 0;
    const int index = RowOf(clearButtons, sender);
    if (index < 0) return 0;
    const Tackpin::PanelInUse inUse(*plugin);
    const std::uint64_t loaded = plugin->documentsLoaded;
    if (!Confirmed(index, mouse.shift, u"Clear?")) return 0;
    // Exited, or a new document already emptied the marker.
    if (!StillStands(loaded)) return 0;
    const int result = plugin->ClearMarker(index);
    toggleButtons[static_cast<std::size_t>(index)]->SetDown(false);
    return result;
}

int TackpinWindow::OnSetRightDown(MQWidgetBase* sender, MQDocument, WidgetMouseParam& mouse) {
    if (!StillOpen()) return 0;
    const int index = RowOf(setButtons, sender);
    if (!HasSlot(*plugin, index)) return 0;
    const Tackpin::PanelInUse inUse(*plugin);
    std::array<float, 3> color = plugin->slots[static_cast<std::size_t>(index)].color;
    const int result = EditColor({mouse.screen_x, mouse.screen_y}, color);
    // An exit while the dialog was open saved the colours as they were; one
    // chosen after it is not taken. The slot is looked up again: the dialog
    // ran the host's events. A new document keeps the colours, so it does
    // not stop this one.
    if (result == 0 || !StillOpen() || !HasSlot(*plugin, index)) return 0;
    plugin->slots[static_cast<std::size_t>(index)].color = color;
    return result;
}

int TackpinWindow::OnViewExecute(MQWidgetBase*, MQDocument) {
    if (!StillOpen()) return 0;
    plugin->showMarkers = viewCheck->GetChecked();
    plugin->normalsDirty = true;
    return 1;
}

int TackpinWindow::OnNormalExecute(MQWidgetBase*, MQDocument) {
    if (!StillOpen()) return 0;
    plugin->showNormals = normalCheck->GetChecked();
    plugin->normalsDirty = true;
    return 1;
}

int TackpinWindow::OnOverwriteExecute(MQWidgetBase*, MQDocument) {
    if (!StillOpen()) return 0;
    plugin->overwriteMode = overwriteCheck->GetChecked();
    return 1;
}

int TackpinWindow::OnAllwaysExecute(MQWidgetBase*, MQDocument) {
    if (!StillOpen()) return 0;
    plugin->drawAlways = allwaysCheck->GetChecked();
    return 1;
}

int TackpinWindow::OnValueChanging(MQWidgetBase*, MQDocument) {
    if (!StillOpen()) return 0;
    // Taken at every step, so the lines follow the box while it changes. A
    // host that ignores the box's range may answer anything: held to the
    // range, every normal line ends at a finite point.
    const double position = valueSpin->GetPosition();
    if (!std::isnan(position))
        plugin->normalLength =
            static_cast<float>(std::clamp(position, kMinNormalLength, kMaxNormalLength));
    plugin->normalsDirty = true;
    return 1;
}

int TackpinWindow::OnHide(MQWidgetBase*, MQDocument) {
    if (!StillOpen()) return 0;
    if (!plugin->active) return 0;
    plugin->active = false;
    // The host's view of the plug-in follows the closed panel.
    plugin->SendDeactivateNotice();
    return 0;
}
