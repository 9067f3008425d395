// The module's fourteen entry points. Each is a door from the host: nothing
// thrown inside may cross it, so every body answers 0 (or null) on a C++
// exception instead.
#include "host/boundary_guard.h"
#include "host/entry_points.h"
#include "host/event_dispatch.h"
#include "host/host_api.h"
#include "platform/export.h"

using host::Guarded;

extern "C" {

TACKPIN_EXPORT unsigned int MQCheckVersion(unsigned int hostVersion) {
    return host::CheckVersion(hostVersion);
}

TACKPIN_EXPORT int MQInit(const char* hostModulePath) {
    return Guarded(0, [&] { return host::ResolveHostFunctions(hostModulePath); });
}

TACKPIN_EXPORT void MQGetPlugInID(unsigned int* product, unsigned int* id) {
    Guarded(0, [&] {
        ThePlugin().GetPlugInID(product, id);
        return 0;
    });
}

TACKPIN_EXPORT const char* MQGetPlugInName() {
    return Guarded<const char*>(nullptr, [] { return ThePlugin().GetPlugInName(); });
}

TACKPIN_EXPORT int MQGetPlugInType() {
    return Guarded(0, [] { return ThePlugin().GetPlugInType(); });
}

TACKPIN_EXPORT const char* MQEnumString(int index) {
    return Guarded<const char*>(nullptr, [&] { return host::EnumStringOf(ThePlugin(), index); });
}

TACKPIN_EXPORT const char* MQEnumFileType(int index) {
    return Guarded<const char*>(nullptr, [&] { return host::EnumFileTypeOf(ThePlugin(), index); });
}

TACKPIN_EXPORT const char* MQEnumFileExt(int index) {
    return Guarded<const char*>(nullptr, [&] { return host::EnumFileExtOf(ThePlugin(), index); });
}

TACKPIN_EXPORT int MQImportFile(int index, const char* filename, MQDocument doc) {
    return Guarded(0, [&] { return host::ImportFileOf(ThePlugin(), index, filename, doc); });
}

TACKPIN_EXPORT int MQExportFile(int index, const char* filename, MQDocument doc) {
    return Guarded(0, [&] { return host::ImportFileOf(ThePlugin(), index, filename, doc); });
}

// The menu commands of create, object and selection plug-ins: the module
// holds none, and a station's operations must never be reached this way.
TACKPIN_EXPORT int MQCreate(int, MQDocument) { return 0; }

TACKPIN_EXPORT int MQModifyObject(int, MQDocument) { return 0; }

TACKPIN_EXPORT int MQModifySelect(int, MQDocument) { return 0; }

TACKPIN_EXPORT int MQOnEvent(MQDocument doc, int eventType, void* option) {
    return Guarded(0, [&] { return host::DispatchEvent(ThePlugin(), doc, eventType, option); });
}

}  // extern "C"
