// OBJ files read with tinyobjloader; polygons are kept as written, not
// split into triangles, so a quad model stays a quad mesh in the host.
#include <algorithm>
#include <filesystem>
#include <map>

#include <tiny_obj_loader.h>

#include "examples/tackpin_host/obj_import.h"
#include "examples/tackpin_host/session_error.h"

namespace host_tool {

namespace {
std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    return line.empty() ? "not an OBJ file" : line;
}
}  // namespace

bool ObjFilesAvailable() { return true; }

std::vector<ImportedMesh> ReadObjFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw SessionError("no OBJ file " + path);
    tinyobj::ObjReaderConfig config;
    config.triangulate = false;
    config.vertex_color = false;
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path, config) || !reader.Error().empty())
        throw SessionError("OBJ file " + path + " is malformed: " + FirstLine(reader.Error()));
    const tinyobj::attrib_t& attrib = reader.GetAttrib();
    const int positions = static_cast<int>(attrib.vertices.size() / 3);
    std::vector<ImportedMesh> meshes;
    for (const tinyobj::shape_t& shape : reader.GetShapes()) {
        const tinyobj::mesh_t& source = shape.mesh;
        if (source.num_face_vertices.empty()) continue;
        ImportedMesh mesh;
        mesh.name = shape.name.empty() ? "obj" + std::to_string(meshes.size() + 1) : shape.name;
        // The file's vertices that this object uses, kept in file order.
        std::map<int, int> local;
        for (const tinyobj::index_t& index : source.indices) {
            if (index.vertex_index < 0 || index.vertex_index >= positions)
                throw SessionError("OBJ file " + path + " is malformed: object \"" + mesh.name +
                                   "\" names vertex " + std::to_string(index.vertex_index + 1) +
                                   " of " + std::to_string(positions));
            local.emplace(index.vertex_index, 0);
        }
        for (auto& [fileIndex, meshIndex] : local) {
            meshIndex = static_cast<int>(mesh.vertices.size());
            mesh.vertices.push_back(sim::Vec3{attrib.vertices[3 * fileIndex],
                                              attrib.vertices[3 * fileIndex + 1],
                                              attrib.vertices[3 * fileIndex + 2]});
        }
        std::size_t next = 0;
        for (auto count : source.num_face_vertices) {
            std::vector<int> face;
            for (unsigned k = 0; k < count; ++k)
                face.push_back(local[source.indices[next++].vertex_index]);
            // OBJ files list a face's points counter-clockwise seen from its
            // front, the host clockwise: the order turns, from the same first point.
            std::reverse(face.begin() + 1, face.end());
            std::vector<int> distinct = face;
            std::sort(distinct.begin(), distinct.end());
            if (count < 2 || std::adjacent_find(distinct.begin(), distinct.end()) != distinct.end())
                throw SessionError("OBJ file " + path + " is malformed: object \"" + mesh.name +
                                   "\" face " + std::to_string(mesh.faces.size()) +
                                   " repeats a vertex or has fewer than 2");
            mesh.faces.push_back(std::move(face));
        }
        meshes.push_back(std::move(mesh));
    }
    if (meshes.empty()) throw SessionError("OBJ file " + path + " holds no faces");
    return meshes;
}

}  // namespace host_tool
