#include "marker/tackpin.h"

namespace {
Tackpin g_tackpin;
}  // namespace

Tackpin& TheTackpin() { return g_tackpin; }
MQBasePlugin& ThePlugin() { return g_tackpin; }

Tackpin::~Tackpin() = default;

void Tackpin::GetPlugInID(unsigned int* product, unsigned int* id) {
    if (product != nullptr) *product = kProductId;
    if (id != nullptr) *id = kPluginId;
}

const char* Tackpin::GetPlugInName() { return "Tackpin ver.1.0  Vertex markers"; }

int Tackpin::GetPlugInType() { return plugin_type::kStation; }

const char* Tackpin::EnumString() { return "Tackpin"; }

int Tackpin::OnStart() {
    slots.resize(3);
    return 1;
}

void Tackpin::OnExit() {}

int Tackpin::OnActivate(MQDocument, int flag) {
    active = flag != 0;
    if (!active) document = nullptr;
    return active ? 1 : 0;
}

int Tackpin::IsActivated(MQDocument) { return active ? 1 : 0; }

void Tackpin::OnLoadDocument(MQDocument, const char*, DocumentDataOption&) {}

int Tackpin::OnDocumentEvent210(MQDocument, int) { return 0; }

void Tackpin::OnDocumentEvent221(MQDocument) {}

void Tackpin::OnDocumentEvent220(MQDocument) {}

void Tackpin::ReleaseDrawObject(MarkerSlot& slot) {
    if (slot.drawObject != nullptr && slot.drawDocument != nullptr)
        DeleteDrawObject(slot.drawDocument, slot.drawObject);
    slot.drawObject = nullptr;
    slot.drawDocument = nullptr;
}
