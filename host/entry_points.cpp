#include "host/entry_points.h"

namespace host {

namespace {
bool IsFileKind(int type) { return type == plugin_type::kImport || type == plugin_type::kExport; }
}  // namespace

unsigned int CheckVersion(unsigned int hostVersion) { return hostVersion >= 0x4200u ? 0x420u : 0u; }

const char* EnumStringOf(MQBasePlugin& plugin, int index) {
    // The module holds stations only; the menu kinds' command names by index
    // belong to a class it does not have.
    const int type = plugin.GetPlugInType();
    if (type != plugin_type::kStation && type != plugin_type::kCommand) return nullptr;
    auto* station = dynamic_cast<MQStationPlugin*>(&plugin);
    return station != nullptr && index == 0 ? station->EnumString() : nullptr;
}

const char* EnumFileTypeOf(MQBasePlugin& plugin, int index) {
    if (!IsFileKind(plugin.GetPlugInType())) return nullptr;
    auto* file = dynamic_cast<MQImportPlugin*>(&plugin);
    return file != nullptr ? file->EnumFileType(index) : nullptr;
}

const char* EnumFileExtOf(MQBasePlugin& plugin, int index) {
    if (!IsFileKind(plugin.GetPlugInType())) return nullptr;
    auto* file = dynamic_cast<MQImportPlugin*>(&plugin);
    return file != nullptr ? file->EnumFileExt(index) : nullptr;
}

int ImportFileOf(MQBasePlugin& plugin, int index, const char* filename, MQDocument doc) {
    if (!IsFileKind(plugin.GetPlugInType())) return 0;
    auto* file = dynamic_cast<MQImportPlugin*>(&plugin);
    return file != nullptr ? file->ImportFile(index, filename, doc) : 0;
}

}  // namespace host
