#include "examples/tackpin_host/marker_probe.h"

#include "examples/tackpin_host/panel_user.h"
#include "examples/tackpin_host/panel_widgets.h"
#include "examples/tackpin_host/session_error.h"
#include "simhost/document_model.h"
#include "simhost/widget_dialogs.h"
#include "simhost/widget_events.h"
#include "simhost/widget_model.h"

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

}  // namespace

MarkerView ProbeMarker(Session& session, int row) {
    session.RequireStarted();
    if (sim::Dialogs().PendingMessageBoxAnswers() > 0 || sim::Dialogs().PendingModalActions() > 0)
        throw SessionError("answers still wait for the panel's next question or colour dialog");
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

    MQDocument doc = session.Document();
    const std::vector<SelectionCopy> saved = CopySelection(doc);
    sim::Documents().ClearSelection(doc);
    sim::UserRightDown(toggle, PointerAt(toggle, false, false));
    for (const SelectionCopy& selected : CopySelection(doc)) {
        if (selected.vertices.empty() && selected.lines.empty() && selected.faces.empty()) continue;
        marker.object = sim::Documents().ObjectName(selected.object);
        marker.vertices = selected.vertices;
        marker.lines = selected.lines;
        marker.faces = selected.faces;
        break;
    }
    RestoreSelection(doc, saved);
    return marker;
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
