#include "marker/tackpin.h"

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

void Tackpin::ReleaseDrawObject(MarkerSlot& slot) {
    // None is ever made without a document; one that has none could not be
    // deleted, and forgetting it would leave it with the host for good.
    if (slot.drawObject == nullptr || slot.drawDocument == nullptr) return;
    DeleteDrawObject(slot.drawDocument, slot.drawObject);
    slot.drawObject = nullptr;
    slot.drawDocument = nullptr;
}
