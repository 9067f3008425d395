// The part of the marker overlay that stands apart from the plug-in object:
// the visibility a drawing object is made with. The map that places each
// object vertex in a drawing object once is in vertex_map.h.
#pragma once

#include "host/station_messages.h"

// 1 when the view shows vertices, plus 2 when it shows lines or the overlay's
// lines are drawn always: 0 to 3. [any time]
int DrawVisibility(const SceneOptions& options, bool drawAlways);
