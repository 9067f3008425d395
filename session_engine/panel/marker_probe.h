// What a user learns about a marker row from the panel alone: whether its
// toggle button is down, its colour as the colour dialog shows it (opened
// and cancelled), and its content as recalling it selects it (the host's
// selection is put back afterwards).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "session_engine/session/session.h"
#include "simhost/widgets/widget_properties.h"

namespace host_tool {

struct MarkerView {
    bool toggleDown = false;
    std::optional<sim::RgbValue> colour;  // none: no colour dialog opened
    std::string object;                   // the object the recall selected in; empty: nothing
    std::vector<int> vertices;
    std::vector<std::pair<int, int>> lines;  // (face, line)
    std::vector<int> faces;
};

// Looks at row `row` as described above. Throws SessionError when the
// plug-in shows no panel or an answer still waits for a question.
MarkerView ProbeMarker(Session& session, int row);
// The rows whose markers the draw pass just made `drawingObjects` drawing
// objects for, in the order it made them (the pass draws from the last row
// to the first): the shown rows, and where some of those drew nothing, the
// ones whose recall selects something in a visible object. Empty when the
// rows cannot be told.
std::vector<int> DrawnRows(Session& session, std::size_t drawingObjects);
// "down, colour 255 0 255, grid: vertices [0 1] lines [0:0]" or "up, colour
// 255 0 255, empty".
std::string MarkerText(const MarkerView& marker);

}  // namespace host_tool
