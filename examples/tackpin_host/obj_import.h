// Meshes from Wavefront OBJ files: every object or group of the file becomes
// one mesh object of the document, with its polygons as they are written.
#pragma once

#include <string>
#include <vector>

#include "simhost/mesh.h"

namespace host_tool {

struct ImportedMesh {
    std::string name;
    std::vector<sim::Vec3> vertices;      // the ones its faces use, in file order
    std::vector<std::vector<int>> faces;  // indices into `vertices`, clockwise seen from the front
};

// The meshes of an OBJ file. Throws SessionError naming the file when it is
// missing, malformed, or names vertices it does not have.
std::vector<ImportedMesh> ReadObjFile(const std::string& path);
// Whether this build reads OBJ files.
bool ObjFilesAvailable();

}  // namespace host_tool
