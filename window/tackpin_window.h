// The plug-in's panel: three marker rows (toggle, "Set", "Clr"), the four
// drawing options and the normal length, bound to the handlers that work
// the markers of the plug-in object. The layout and the panel's own
// operations are in tackpin_window.cpp, the handlers in
// tackpin_window_commands.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "widgets/widgets.h"

class Tackpin;

class TackpinWindow : public MQWindow {
public:
    // Builds the whole panel as a child window of `parent`; sets neither its
    // position nor its visibility. `owner` must outlive the panel.
    // [ui-thread, after MQInit]
    TackpinWindow(Tackpin& owner, MQWindowBase* parent);
    // Deletes every widget of the panel, then the panel. [ui-thread]
    ~TackpinWindow() override;

    // Releases the three toggle buttons; the slots' `shown` stays. [ui-thread]
    void ResetToggleButtons();
    // Runs the colour dialog at the screen `position`, starting from `color`
    // (r, g, b, nominally 0 to 1), which takes the chosen colour on OK.
    // 1 on OK, else 0 and `color` is untouched; 0 as well when the host's
    // exit came while the dialog ran. [ui-thread, modal]
    int EditColor(std::pair<int, int> position, std::array<float, 3>& color);

    // Handlers of the panel's controls; each answers the host (nonzero:
    // handled). A sender that is not one of the row's buttons gets 0 and
    // changes nothing, and so does every event of a panel that is no longer
    // the plug-in's own (an exit came while a handler waited): such a
    // handler calls the host for nothing. [ui-thread, widget event]
    // Toggle: `shown` follows the click; right click recalls the marker
    // (added to the selection with Ctrl).
    int OnToggleLeftDown(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& mouse);
    int OnToggleRightDown(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& mouse);
    // "Set": stores the selection (added with Ctrl) after "Overwrite?" or
    // "Add?" unless Shift is held or the slot is empty; right click edits
    // the slot's colour. A question answered after an exit or a new
    // document changes nothing, nor does a colour chosen after an exit (0).
    int OnSetLeftDown(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& mouse);
    int OnSetRightDown(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& mouse);
    // "Clr": clears the slot after "Clear?" unless Shift is held or the slot
    // is empty; not after an exit or a new document came meanwhile (0).
    int OnClearLeftDown(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& mouse);
    // The options and the length, copied into the plug-in object; a length
    // beyond the box's range is held to it, one that is no number is not
    // taken.
    int OnViewExecute(MQWidgetBase* sender, MQDocument document);
    int OnNormalExecute(MQWidgetBase* sender, MQDocument document);
    int OnOverwriteExecute(MQWidgetBase* sender, MQDocument document);
    int OnAllwaysExecute(MQWidgetBase* sender, MQDocument document);
    int OnValueChanging(MQWidgetBase* sender, MQDocument document);
    // The user closed the panel: an active plug-in turns itself off and
    // tells the host. Always 0.
    int OnHide(MQWidgetBase* sender, MQDocument document);

    // The spin box's range: the normal line's length keeps to it whatever
    // the host answers for the box.
    static constexpr double kMinNormalLength = -100.0;
    static constexpr double kMaxNormalLength = 100.0;

    // Not owned.
    Tackpin* plugin;
    // The controls, owned by this window through its owned children.
    MQCheckBox* viewCheck = nullptr;
    MQCheckBox* normalCheck = nullptr;
    MQCheckBox* overwriteCheck = nullptr;
    MQCheckBox* allwaysCheck = nullptr;
    MQDoubleSpinBox* valueSpin = nullptr;
    // Element i belongs to marker slot i; not owning.
    std::vector<MQButton*> toggleButtons;
    std::vector<MQButton*> setButtons;
    std::vector<MQButton*> clearButtons;

private:
    // Asks `question` in an OK/Cancel box titled "Marker" unless Shift is
    // held or slot `index` holds nothing; true when the handler may go on.
    bool Confirmed(int index, bool shift, const char16_t* question);
    // After a question or the colour dialog, whose modal run delivers the
    // host's events: this is still the plug-in's panel (no exit came) ...
    bool StillOpen() const;
    // ... and the host has loaded no document since it had loaded
    // `documentsLoaded`.
    bool StillStands(std::uint64_t documentsLoaded) const;
};
