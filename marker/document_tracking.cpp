// The markers across document events: a new document empties them, and a
// change of geometry asks for their normals again. The drawing objects still
// alive when the library is unloaded go with the plug-in object itself
// (tackpin.cpp).
#include "host/host_api.h"
#include "marker/tackpin.h"
#include "window/tackpin_window.h"

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
