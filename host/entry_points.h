// What each exported entry point does, for a given plug-in object. The
// exports apply these to the process-wide plug-in object; tests apply them
// to plug-in objects of other kinds.
#pragma once

#include "host/plugin_classes.h"

namespace host {

// 0x420 for a host of version 0x4200 or later, else 0.
unsigned int CheckVersion(unsigned int hostVersion);

// Command or station name for `index` by the plug-in's kind, or null.
const char* EnumStringOf(MQBasePlugin& plugin, int index);
// File type text and extension for `index`; null unless a file plug-in.
const char* EnumFileTypeOf(MQBasePlugin& plugin, int index);
const char* EnumFileExtOf(MQBasePlugin& plugin, int index);
// Hands a file to a file plug-in; 0 for any other kind.
int ImportFileOf(MQBasePlugin& plugin, int index, const char* filename, MQDocument doc);
// Runs a menu command of a create, object or selection plug-in; 0 for any
// other kind (a station's operations must never be reached this way).
int ExecuteOf(MQBasePlugin& plugin, int index, MQDocument doc);

}  // namespace host
