#include "apps/tackpin_serve/mesh_binary.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace serve {

std::string MeshBinary(const sim::Mesh& mesh) {
    static_assert(sizeof(float) == 4, "positions go as float32");
    static_assert(std::endian::native == std::endian::little, "the block is little-endian");
    const int vertices = mesh.VertexCount(), faces = mesh.FaceCount();
    std::size_t triangles = 0, edges = 0;
    for (int face = 0; face < faces; ++face) {
        const std::size_t points = mesh.FacePoints(face).size();
        if (points >= 3) triangles += points - 2;
        if (points >= 2) edges += points;
    }
    // Section starts, so that each face is written in one visit.
    const std::size_t header = 5 * 4;
    const std::size_t positionsAt = header;
    const std::size_t trianglesAt = positionsAt + std::size_t(vertices) * 12;
    const std::size_t triangleFacesAt = trianglesAt + triangles * 12;
    const std::size_t edgesAt = triangleFacesAt + triangles * 4;
    const std::size_t edgeLinesAt = edgesAt + edges * 8;
    std::string block(edgeLinesAt + edges * 8, '\0');

    char* base = block.data();
    const std::uint32_t counts[5] = {std::uint32_t(vertices), std::uint32_t(triangles),
                                     std::uint32_t(edges), std::uint32_t(faces), 0};
    std::memcpy(base, counts, header);
    for (int vertex = 0; vertex < vertices; ++vertex) {
        const sim::Vec3 p = mesh.Position(vertex);
        const float xyz[3] = {p.x, p.y, p.z};
        std::memcpy(base + positionsAt + std::size_t(vertex) * 12, xyz, 12);
    }
    std::size_t triangle = 0, edge = 0;
    for (int face = 0; face < faces; ++face) {
        const std::vector<int>& points = mesh.FacePoints(face);
        const std::size_t n = points.size();
        if (n < 2) continue;
        for (std::size_t k = 2; k < n; ++k, ++triangle) {
            const std::uint32_t corners[3] = {
                std::uint32_t(points[0]), std::uint32_t(points[k - 1]), std::uint32_t(points[k])};
            std::memcpy(base + trianglesAt + triangle * 12, corners, 12);
            const std::uint32_t owner = std::uint32_t(face);
            std::memcpy(base + triangleFacesAt + triangle * 4, &owner, 4);
        }
        for (std::size_t k = 0; k < n; ++k, ++edge) {
            const std::uint32_t ends[2] = {std::uint32_t(points[k]),
                                           std::uint32_t(points[(k + 1) % n])};
            const std::uint32_t line[2] = {std::uint32_t(face), std::uint32_t(k)};
            std::memcpy(base + edgesAt + edge * 8, ends, 8);
            std::memcpy(base + edgeLinesAt + edge * 8, line, 8);
        }
    }
    return block;
}

}  // namespace serve
