// The user in front of the panel and its dialogs: pointer positions over the
// panel, the colour dialog's colour panel and buttons, and what the user's
// answers came to, told back for the transcript.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_properties.h"

namespace host_tool {

// How the user leaves the next colour dialog.
enum class ColourExit { Ok, Cancel, Close };

// Queues what the user does in the next colour dialog: sets the colour
// panel to `colour` when given, then clicks "OK" or "Cancel", or closes the
// dialog otherwise. What the user saw and did is appended to `log`.
void QueueColourDialog(std::optional<sim::RgbValue> colour, ColourExit exit,
                       std::vector<std::string>* log);
// The pointer over a widget of the panel, in screen positions near the
// panel's own place.
sim::PointerInfo PointerAt(int widgetId, bool shift, bool ctrl);
// The colour panel inside a dialog; 0 when there is none.
int ColourPanelIn(int dialogId);
std::string RgbText(const sim::RgbValue& rgb);

}  // namespace host_tool
