// What each exported entry point does, for a given plug-in object. The
// exports apply these to the process-wide plug-in object; tests apply them
// to plug-in objects of other kinds.
#pragma once

#include "host/plugin_classes.h"

namespace host {

// 0x420 for a host of version 0x4200 or later, else 0.
unsigned int CheckVersion(unsigned int hostVersion);

// The station's name for index 0, or null (any other index or kind).
const char* EnumStringOf(MQBasePlugin& plugin, int index);
// File type text and extension for `index`; null unless a file plug-in.
const char* EnumFileTypeOf(MQBasePlugin& plugin, int index);
const char* EnumFileExtOf(MQBasePlugin& plugin, int index);
// Hands a file to a file plug-in; 0 for any other kind.
int ImportFileOf(MQBasePlugin& plugin, int index, const char* filename, MQDocument doc);

}  // namespace host
