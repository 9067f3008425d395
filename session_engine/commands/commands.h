// The commands of the session language, one table per area, each in the
// file named for it: the host's events and life (commands_host.cpp), meshes
// and the selection (commands_mesh.cpp), the user at the panel
// (commands_panel.cpp), what the user or the host sees (commands_report.cpp)
// and pictures (commands_pictures.cpp).
#pragma once

#include <string>
#include <vector>

#include "session_engine/obj_import/obj_import.h"
#include "session_engine/session/session.h"

namespace host_tool {

std::vector<CommandEntry> HostCommands();
std::vector<CommandEntry> MeshCommands();
std::vector<CommandEntry> PanelCommands();
std::vector<CommandEntry> ReportCommands();
std::vector<CommandEntry> PictureCommands();

// "12 vertices, 6 faces": the live elements of a mesh object.
std::string MeshCounts(MQObject object);
// Adds the meshes of an OBJ file to the document as "open" does, for a file
// read from elsewhere than a path (a page's upload).
void OpenImported(Session& session, const ObjImport& import);

}  // namespace host_tool
