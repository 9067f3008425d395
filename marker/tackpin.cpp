// The plug-in object itself: the single instance, its identity, how it is
// made and destroyed, the panel's use by running handlers, and the release
// of a slot's drawing object.
#include "marker/tackpin.h"

#include <memory>

#include "window/tackpin_window.h"

namespace {
Tackpin g_tackpin;
}  // namespace

Tackpin& TheTackpin() { return g_tackpin; }
MQBasePlugin& ThePlugin() { return g_tackpin; }

void Tackpin::GetPlugInID(unsigned int* product, unsigned int* id) {
    if (product != nullptr) *product = kProductId;
    if (id != nullptr) *id = kPluginId;
}

const char* Tackpin::GetPlugInName() { return "Tackpin ver.1.0  Vertex markers"; }

int Tackpin::GetPlugInType() { return plugin_type::kStation; }

const char* Tackpin::EnumString() { return "Tackpin"; }

// Out of line: the panel's class is complete only here.
Tackpin::Tackpin() = default;

Tackpin::~Tackpin() {
    // Each in the document it was made in.
    for (MarkerSlot& slot : slots) ReleaseDrawObject(slot);
    // The panel is OnExit's to delete. Unloaded without an exit, the host may
    // be tearing its own windows down: its widgets are left to it, and only
    // the wrappers' memory goes, without a call to the host.
    if (window != nullptr) window->Abandon();
    for (const std::unique_ptr<TackpinWindow>& closed : closedPanels) closed->Abandon();
}

Tackpin::PanelInUse::PanelInUse(Tackpin& plugin) : plugin_(plugin) {
    ++plugin_.panelHandlersRunning;
}

Tackpin::PanelInUse::~PanelInUse() {
    if (--plugin_.panelHandlersRunning == 0) plugin_.closedPanels.clear();
}

void Tackpin::ReleaseDrawObject(MarkerSlot& slot) {
    // None is ever made without a document; one that has none could not be
    // deleted, and forgetting it would leave it with the host for good.
    if (slot.drawObject == nullptr || slot.drawDocument == nullptr) return;
    DeleteDrawObject(slot.drawDocument, slot.drawObject);
    slot.drawObject = nullptr;
    slot.drawDocument = nullptr;
}
