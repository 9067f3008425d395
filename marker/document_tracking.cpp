// The markers across document events, and the release of the drawing
// objects when the library is unloaded.
#include "host/host_api.h"
#include "marker/tackpin.h"
#include "window/tackpin_window.h"

Tackpin::~Tackpin() {
    // Each in the document it was made in.
    for (MarkerSlot& slot : slots) ReleaseDrawObject(slot);
    // The panel is OnExit's to delete. Unloaded without an exit, the host may
    // be tearing its own windows down: its widgets are left to it, and only
    // the wrappers' memory goes, without a call to the host.
    if (window != nullptr) window->Abandon();
    for (const std::unique_ptr<TackpinWindow>& closed : closedPanels) closed->Abandon();
}

void Tackpin::OnLoadDocument(MQDocument, const char*, DocumentDataOption&) {
    ++documentsLoaded;
    // Before start or after exit there are no buttons to release.
    if (window != nullptr) window->ResetToggleButtons();
    for (MarkerSlot& slot : slots) {
        ReleaseDrawObject(slot);
        slot.normalCache.clear();
        slot.edgeKeys.clear();
        slot.vertexUniqueIds.clear();
    }
    placedVertices.Release();
}

int Tackpin::OnDocumentEvent210(MQDocument, int) { return 0; }

void Tackpin::OnDocumentEvent220(MQDocument) {}

void Tackpin::OnDocumentEvent221(MQDocument doc) {
    if (IsActivated(doc) == 0) return;
    if (showNormals) {
        normalsDirty = true;
        host::RefreshView();
    }
}
