// Meshes from Wavefront OBJ files: every object or group of the file becomes
// one mesh object of the document, with its polygons as they are written.
// Faces the host cannot hold are left out and reported with the file's own
// line numbers; a file that is not what it claims to be is refused.
#pragma once

#include <string>
#include <vector>

#include "simhost/documents/mesh.h"

namespace host_tool {

struct ImportedMesh {
    std::string name;
    std::vector<sim::Vec3> vertices;      // the ones its faces use, in file order
    std::vector<std::vector<int>> faces;  // indices into `vertices`, clockwise seen from the front
};

struct ObjImport {
    std::vector<ImportedMesh> meshes;
    // One line per face left out or statement not taken, each starting
    // "FILE:LINE: ", in the file's order.
    std::vector<std::string> notes;
};

// The meshes of an OBJ file. Throws SessionError naming the file, and the
// line where there is one, when it is missing, is not text, holds a
// malformed vertex or face, or has no face left that the host can hold.
ObjImport ReadObjFile(const std::string& path);
// The same for a file's text; `name` stands for the file in messages.
ObjImport ReadObjText(const std::string& text, const std::string& name);

}  // namespace host_tool
