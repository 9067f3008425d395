// The plug-in object: the one station plug-in instance through which the
// host reaches the markers, the panel and the drawing. Its members are
// defined by area: tackpin.cpp (the instance and its identity, how it is
// made and destroyed, the panel in use), tackpin_life.cpp (start, exit,
// activation, the settings), marker_store.cpp and marker_recall.cpp (a
// marker stored, cleared and selected again), document_tracking.cpp (the
// document events) and overlay_drawing.cpp (the draw pass).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/plugin_classes.h"
#include "marker/marker_slot.h"
#include "marker/vertex_map.h"

class TackpinWindow;

namespace cmq {
class CMQObject;
}

class Tackpin : public MQStationPlugin {
public:
    Tackpin();
    ~Tackpin() override;

    // Identity reported to the host.
    static constexpr unsigned int kProductId = 0x54414B50;  // fixed for this plug-in
    static constexpr unsigned int kPluginId = 0x00070001;
    // The marker rows 0, 1 and 2: the slots made at start, the rows of the
    // panel and the colours kept in the settings.
    static constexpr int kRows = 3;

    void GetPlugInID(unsigned int* product, unsigned int* id) override;
    const char* GetPlugInName() override;
    int GetPlugInType() override;
    const char* EnumString() override;

    // Makes the three slots, loads the settings, builds the panel under the
    // host's main window (once), places it and applies the stored
    // activation. Always 1; when memory runs out, nothing has changed.
    // [ui-thread, after MQInit]
    int OnStart() override;
    // Saves the settings and deletes the panel. Without a panel (before
    // start, or a second exit) nothing is read, saved or deleted. While a
    // handler of the panel waits in a question or the colour dialog, the
    // panel is only hidden here and set aside: from then on its handlers do
    // nothing, and it is deleted when the outermost handler has returned.
    // When memory runs out the settings stay as they were saved last, and
    // the panel is closed all the same. [ui-thread, after MQInit]
    void OnExit() override;
    // Shows or hides the panel; the new state, 0 or 1. Without a panel: 0,
    // nothing changes. [ui-thread, after MQInit]
    int OnActivate(MQDocument doc, int flag) override;
    // 1 while the panel exists and the plug-in is active. [ui-thread]
    int IsActivated(MQDocument doc) override;
    void OnDraw(MQDocument doc, MQScene scene, int width, int height) override;
    // A document was opened or made: releases the toggle buttons (when the
    // panel exists), deletes the drawing objects and empties every slot;
    // object ids, `shown` and colours stay. [ui-thread, after MQInit]
    void OnLoadDocument(MQDocument doc, const char* filename, DocumentDataOption& option) override;
    // Changes nothing; 0. [ui-thread]
    int OnDocumentEvent210(MQDocument doc, int state) override;
    // Geometry changed: while active with Normal on, the normals are marked
    // dirty and one redraw is asked for. [ui-thread, after MQInit]
    void OnDocumentEvent221(MQDocument doc) override;
    // Changes nothing. [ui-thread]
    void OnDocumentEvent220(MQDocument doc) override;

    // Writes the current object's selected used vertices and selected lines
    // (lines of selected faces included) into slot `index`, growing the list
    // as needed. `add` keeps the old content when the marker already belongs
    // to the current object; otherwise the marker moves to it. 1 when written;
    // 0 for a negative index or a document without a current object, and
    // then nothing changes. [ui-thread]
    int StoreMarker(MQDocument doc, int index, bool add);
    // Empties slot `index` and hides it, growing the list as needed; keeps
    // its object and colour. 1 when emptied, 0 for a negative index. [ui-thread]
    int ClearMarker(int index);
    // Selects the marker of slot `index` on its object: its vertices in stored
    // order, then every face line that joins the ends of a marked line. `add`
    // false clears the selection first. An empty slot, an index outside the
    // list or a marker whose object is gone changes nothing. [ui-thread]
    void SelectMarker(MQDocument doc, int index, bool add);

    // Refills the mean normals of every slot whose object is in `document`
    // and visible (others keep theirs) and clears normalsDirty. The new
    // normals are made beside the old ones and swapped in together: when
    // memory runs out part way, no slot has changed. Answers the replaced
    // caches by slot (none for a slot that kept its own), for a pass that
    // fails later to put back. [ui-thread, in a draw pass]
    std::vector<std::optional<NormalCache>> UpdateNormalCaches();
    // Makes the slot's drawing object in `document` with `visibility`, in the
    // slot's colour, and fills it from `object` (at `objectIndex` in the
    // document); the slot has none when the host makes none, when there is
    // no `document`, or when it still names one. [ui-thread, in a draw pass,
    // after the slot's old drawing object was released]
    void RebuildOverlay(MarkerSlot& slot, const cmq::CMQObject& object, int objectIndex,
                        int visibility);

    // Deletes the slot's drawing object, if it has one, in the document it
    // was made in, and forgets it. One without a document to delete it in
    // stays named by the slot: the host still holds it. [ui-thread, after
    // MQInit]
    void ReleaseDrawObject(MarkerSlot& slot);

    // Saves the activation, the panel's place and the colours, all or none.
    void SaveSettings();
    // Takes the panel away: deleted now, or kept closed while a handler of
    // it runs. Cannot fail. [in an exit]
    void ClosePanel() noexcept;

    // Held by a panel handler for as long as it runs. A handler that waits in
    // a question or the colour dialog may see the host's exit arrive
    // meanwhile; the panel it runs in then outlives it, and the last holder
    // to let go deletes the panels that exit closed. [ui-thread]
    class PanelInUse {
    public:
        explicit PanelInUse(Tackpin& plugin);
        ~PanelInUse();
        PanelInUse(const PanelInUse&) = delete;
        PanelInUse& operator=(const PanelInUse&) = delete;

    private:
        Tackpin& plugin_;
    };

    // Marker rows 0, 1, 2 after start-up; grows on demand.
    std::vector<MarkerSlot> slots;
    // The panel: made by OnStart, deleted by OnExit; null outside.
    std::unique_ptr<TackpinWindow> window;
    // Panels that an exit set aside, hidden, while a handler of theirs was
    // running; they go when no handler is running any more.
    std::vector<std::unique_ptr<TackpinWindow>> closedPanels;
    // Panel handlers running now, nested ones included.
    int panelHandlersRunning = 0;
    // Documents the host has loaded (event 200) so far: a handler that
    // counts the same after a question still works on the document it was
    // clicked in.
    std::uint64_t documentsLoaded = 0;
    // The plug-in is activated: its panel is shown and drawing works.
    bool active = false;
    // Document of the last draw pass; cleared on deactivation.
    MQDocument document = nullptr;
    // Drawing options (the panel's check boxes and spin box).
    bool showMarkers = true;
    bool showNormals = false;
    bool normalsDirty = true;
    bool drawAlways = false;
    float normalLength = 10.0f;
    bool overwriteMode = true;
    // The draw pass's working room, kept from one pass to the next so that a
    // pass finds it ready; it grows with the largest object drawn. Given back
    // when a marker is cleared, a document is loaded and at exit.
    VertexMap placedVertices;
};

// The single instance, made while the library loads.
Tackpin& TheTackpin();
