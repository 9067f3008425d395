#include "simhost/documents/mesh.h"

#include <algorithm>

namespace sim {

int Mesh::AddVertex(Vec3 position) {
    ++version_;
    const int index = VertexCount();
    const int uniqueId = nextUniqueId_++;
    vertices_.push_back(Vertex{position, uniqueId, true, {}});
    indexByUniqueId_.emplace(uniqueId, index);
    return index;
}

void Mesh::Reserve(int vertices, int faces) {
    vertices_.reserve(static_cast<std::size_t>(vertices));
    faces_.reserve(static_cast<std::size_t>(faces));
    indexByUniqueId_.reserve(static_cast<std::size_t>(vertices));
}

int Mesh::VertexUniqueId(int index) const {
    const Vertex& vertex = vertices_[index];
    return vertex.alive ? vertex.uniqueId : -1;
}

int Mesh::VertexIndex(int uniqueId) const {
    auto found = indexByUniqueId_.find(uniqueId);
    return found == indexByUniqueId_.end() ? -1 : found->second;
}

void Mesh::SetNextVertexUniqueId(int uniqueId) {
    nextUniqueId_ = std::max(nextUniqueId_, uniqueId);
}

std::vector<int> Mesh::DeleteVertex(int index) {
    ++version_;
    Vertex& vertex = vertices_[index];
    if (!vertex.alive) return {};
    std::vector<int> deletedFaces = vertex.faces;
    std::sort(deletedFaces.begin(), deletedFaces.end());
    for (int face : deletedFaces) DeleteFace(face);
    indexByUniqueId_.erase(vertex.uniqueId);
    vertex.alive = false;
    return deletedFaces;
}

int Mesh::AddFace(std::vector<int> points) {
    ++version_;
    const int index = FaceCount();
    for (std::size_t i = 0; i < points.size(); ++i) {
        // A face naming a vertex twice is one reference of that vertex.
        if (std::find(points.begin(), points.begin() + i, points[i]) != points.begin() + i)
            continue;
        vertices_[points[i]].faces.push_back(index);
    }
    faces_.push_back(std::move(points));
    return index;
}

void Mesh::DeleteFace(int index) {
    ++version_;
    std::vector<int> points = std::move(faces_[index]);
    faces_[index].clear();
    for (int point : points) {
        std::vector<int>& related = vertices_[point].faces;
        auto found = std::find(related.begin(), related.end(), index);
        if (found != related.end()) related.erase(found);
    }
}

Renumbering Mesh::Compact() {
    ++version_;
    Renumbering map;
    map.vertex.assign(vertices_.size(), -1);
    map.face.assign(faces_.size(), -1);

    std::vector<Vertex> vertices;
    vertices.reserve(vertices_.size());
    for (std::size_t i = 0; i < vertices_.size(); ++i) {
        if (!vertices_[i].alive) continue;
        map.vertex[i] = static_cast<int>(vertices.size());
        vertices.push_back(std::move(vertices_[i]));
    }
    std::vector<std::vector<int>> faces;
    faces.reserve(faces_.size());
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        if (faces_[i].empty()) continue;
        map.face[i] = static_cast<int>(faces.size());
        faces.push_back(std::move(faces_[i]));
    }

    for (std::vector<int>& points : faces)
        for (int& point : points) point = map.vertex[point];
    indexByUniqueId_.clear();
    indexByUniqueId_.reserve(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        for (int& face : vertices[i].faces) face = map.face[face];
        indexByUniqueId_.emplace(vertices[i].uniqueId, static_cast<int>(i));
    }
    vertices_ = std::move(vertices);
    faces_ = std::move(faces);
    return map;
}

}  // namespace sim
