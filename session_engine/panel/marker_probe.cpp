#include "session_engine/panel/marker_probe.h"

#include "session_engine/panel/panel_user.h"
#include "session_engine/panel/panel_widgets.h"
#include "session_engine/session/session_error.h"
#include "simhost/documents/document_model.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

namespace {

struct SelectionCopy {
    MQObject object;
    std::vector<int> vertices;
    std::vector<std::pair<int, int>> lines;
    std::vector<int> faces;
};

std::vector<SelectionCopy> CopySelection(MQDocument doc) {
    sim::DocumentModel& documents = sim::Documents();
    std::vector<SelectionCopy> copies;
    for (int i = 0; i < documents.ObjectCount(doc); ++i) {
        MQObject object = documents.ObjectAt(doc, i);
        if (object == nullptr) continue;
        copies.push_back({object, documents.SelectedVertices(doc, object),
                          documents.SelectedLines(doc, object),
                          documents.SelectedFaces(doc, object)});
    }
    return copies;
}

void RestoreSelection(MQDocument doc, const std::vector<SelectionCopy>& copies) {
    sim::DocumentModel& documents = sim::Documents();
    documents.ClearSelection(doc);
    for (const SelectionCopy& copy : copies) {
        if (documents.ObjectIndex(doc, copy.object) < 0) continue;
        for (int vertex : copy.vertices) documents.SelectVertex(doc, copy.object, vertex);
        for (auto [face, line] : copy.lines) documents.SelectLine(doc, copy.object, face, line);
        for (int face : copy.faces) documents.SelectFace(doc, copy.object, face);
    }
}

// What a right click on the row's toggle selects, in the first object where
// it selects anything; the host's selection is put back afterwards.
std::optional<SelectionCopy> Recall(Session& session, int row) {
    const int toggle = RowButton(0, row);
    MQDocument doc = session.Document();
    const std::vector<SelectionCopy> saved = CopySelection(doc);
    sim::Documents().ClearSelection(doc);
    sim::UserRightDown(toggle, PointerAt(toggle, false, false));
    std::optional<SelectionCopy> recalled;
    for (const SelectionCopy& selected : CopySelection(doc)) {
        if (selected.vertices.empty() && selected.lines.empty() && selected.faces.empty()) continue;
        recalled = selected;
        break;
    }
    RestoreSelection(doc, saved);
    return recalled;
}

}  // namespace

MarkerView ProbeMarker(Session& session, int row) {
    session.RequireStarted();
    if (sim::Dialogs().PendingMessageBoxAnswers() > 0 || sim::Dialogs().PendingModalActions() > 0)
        throw SessionError("answers still wait for the panel's next question or colour dialog");
    // The host's own look: it reads a hidden panel as well as a shown one.
    const sim::HiddenInputScope look;
    MarkerView marker;
    const int toggle = RowButton(0, row);
    const int set = RowButton(1, row);
    marker.toggleDown = sim::Widgets().BoolProperty(toggle, "down").value_or(false);

    std::optional<sim::RgbValue> shown;
    sim::Dialogs().QueueModalAction([&shown](int dialogId) -> std::optional<int> {
        if (int panel = ColourPanelIn(dialogId)) shown = sim::Widgets().RgbProperty(panel, "rgb");
        std::vector<int> cancel = sim::Widgets().FindByText("button", u"Cancel", dialogId);
        if (cancel.empty()) return std::nullopt;
        sim::UserLeftDown(cancel.front());
        return sim::Widgets().IntProperty(cancel.front(), "modalresult");
    });
    sim::UserRightDown(set, PointerAt(set, false, false));
    if (sim::Dialogs().PendingModalActions() > 0) sim::Dialogs().Reset();  // no dialog came
    marker.colour = shown;

    if (std::optional<SelectionCopy> recalled = Recall(session, row)) {
        marker.object = sim::Documents().ObjectName(recalled->object);
        marker.vertices = recalled->vertices;
        marker.lines = recalled->lines;
        marker.faces = recalled->faces;
    }
    return marker;
}

std::vector<int> DrawnRows(Session& session, std::size_t drawingObjects) {
    const int panel = FindPanel();
    if (panel == 0 || !session.Started()) return {};
    const int rows = static_cast<int>(sim::Widgets().FindByText("button", u"Set", panel).size());
    std::vector<int> shown;
    for (int row = rows - 1; row >= 0; --row)
        if (sim::Widgets().BoolProperty(RowButton(0, row), "down").value_or(false))
            shown.push_back(row);
    if (shown.size() == drawingObjects) return shown;
    // A shown row draws nothing when its marker is empty or its object is
    // gone or hidden: recalling each tells which.
    if (shown.size() < drawingObjects || sim::Dialogs().PendingMessageBoxAnswers() > 0 ||
        sim::Dialogs().PendingModalActions() > 0)
        return {};
    std::vector<int> drawn;
    for (int row : shown) {
        std::optional<SelectionCopy> recalled = Recall(session, row);
        if (recalled && sim::Documents().ObjectVisible(recalled->object)) drawn.push_back(row);
    }
    return drawn.size() == drawingObjects ? drawn : std::vector<int>{};
}

std::string MarkerText(const MarkerView& marker) {
    std::string text = marker.toggleDown ? "down" : "up";
    text += marker.colour ? ", colour " + RgbText(*marker.colour) : ", no colour dialog";
    if (marker.object.empty()) return text + ", empty";
    text += ", ";
    text += marker.object;
    text += ": vertices [";
    text += IndexText(marker.vertices);
    text += "] lines [";
    text += LineText(marker.lines);
    text += "]";
    if (!marker.faces.empty()) text += " faces [" + IndexText(marker.faces) + "]";
    return text;
}

}  // namespace host_tool
