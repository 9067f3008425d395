#include "simhost/documents/mesh_builders.h"

#include <cmath>
#include <string>

#include "simhost/contract/violations.h"
#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"

namespace sim {

int GridInfo::VertexCount() const { return closed ? columns * rows : (columns + 1) * (rows + 1); }

int GridInfo::VertexAt(int column, int row) const {
    if (closed) return firstVertex + (row % rows) * columns + (column % columns);
    return firstVertex + row * (columns + 1) + column;
}

int GridInfo::FaceAt(int column, int row) const { return firstFace + row * columns + column; }

namespace {
Object* Target(const char* function, MQObject obj, int columns, int rows, int least) {
    Object* object = Documents().CheckObject(function, obj);
    if (object != nullptr && (columns < least || rows < least)) {
        ReportViolation(std::string(function) + ": " + std::to_string(columns) + " x " +
                        std::to_string(rows) + " is too small a grid");
        return nullptr;
    }
    return object;
}

void AddGridFaces(Mesh& mesh, GridInfo& grid) {
    grid.firstFace = mesh.FaceCount();
    mesh.Reserve(mesh.VertexCount(), mesh.FaceCount() + grid.FaceCount());
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.columns; ++c)
            mesh.AddFace({grid.VertexAt(c, r), grid.VertexAt(c + 1, r), grid.VertexAt(c + 1, r + 1),
                          grid.VertexAt(c, r + 1)});
}
}  // namespace

GridInfo AddQuadGrid(MQObject obj, int columns, int rows) {
    GridInfo grid;
    Object* object = Target("AddQuadGrid", obj, columns, rows, 1);
    if (object == nullptr) return grid;
    Mesh& mesh = object->mesh;
    grid.columns = columns;
    grid.rows = rows;
    grid.firstVertex = mesh.VertexCount();
    mesh.Reserve(mesh.VertexCount() + grid.VertexCount(), mesh.FaceCount());
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c)
            mesh.AddVertex(Vec3{static_cast<float>(c), static_cast<float>(r), 0.0f});
    AddGridFaces(mesh, grid);
    return grid;
}

GridInfo AddClosedGrid(MQObject obj, int columns, int rows) {
    GridInfo grid;
    Object* object = Target("AddClosedGrid", obj, columns, rows, 3);
    if (object == nullptr) return grid;
    Mesh& mesh = object->mesh;
    grid.columns = columns;
    grid.rows = rows;
    grid.closed = true;
    grid.firstVertex = mesh.VertexCount();
    mesh.Reserve(mesh.VertexCount() + grid.VertexCount(), mesh.FaceCount());
    const double pi = std::acos(-1.0);
    const double ring = 3.0, tube = 1.0;
    for (int r = 0; r < rows; ++r) {
        const double v = 2.0 * pi * r / rows;
        for (int c = 0; c < columns; ++c) {
            const double u = 2.0 * pi * c / columns;
            const double radius = ring + tube * std::cos(v);
            // The tube turns from below to above as the rows go on, so
            // that each face's points, in the grid's order, run clockwise
            // seen from outside: the host's front faces out, as a cube's.
            mesh.AddVertex(Vec3{static_cast<float>(radius * std::cos(u)),
                                static_cast<float>(radius * std::sin(u)),
                                static_cast<float>(-tube * std::sin(v))});
        }
    }
    AddGridFaces(mesh, grid);
    return grid;
}

void AddCube(MQObject obj, float size) {
    Object* object = Documents().CheckObject("AddCube", obj);
    if (object == nullptr) return;
    Mesh& mesh = object->mesh;
    const float h = size / 2;
    const int first = mesh.VertexCount();
    for (int i = 0; i < 8; ++i)
        mesh.AddVertex(Vec3{i & 1 ? h : -h, i & 2 ? h : -h, i & 4 ? h : -h});
    // Corners by bits x, y, z; each face's points run clockwise seen from
    // outside, the host's front.
    const int faces[6][4] = {{4, 6, 7, 5}, {1, 3, 2, 0}, {5, 7, 3, 1},
                             {0, 2, 6, 4}, {6, 2, 3, 7}, {0, 4, 5, 1}};
    for (const auto& face : faces)
        mesh.AddFace({first + face[0], first + face[1], first + face[2], first + face[3]});
}

int AddTriangle(MQObject obj, Vec3 a, Vec3 b, Vec3 c) {
    Object* object = Documents().CheckObject("AddTriangle", obj);
    if (object == nullptr) return -1;
    Mesh& mesh = object->mesh;
    const int first = mesh.AddVertex(a);
    mesh.AddVertex(b);
    mesh.AddVertex(c);
    return mesh.AddFace({first, first + 1, first + 2});
}

int AddQuad(MQObject obj, Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
    Object* object = Documents().CheckObject("AddQuad", obj);
    if (object == nullptr) return -1;
    Mesh& mesh = object->mesh;
    const int first = mesh.AddVertex(a);
    mesh.AddVertex(b);
    mesh.AddVertex(c);
    mesh.AddVertex(d);
    return mesh.AddFace({first, first + 1, first + 2, first + 3});
}

}  // namespace sim
