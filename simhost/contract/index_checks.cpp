#include "simhost/contract/index_checks.h"

#include <string>

#include "simhost/contract/violations.h"

namespace sim {

namespace {
std::string ObjectText(const Object& object) {
    return (object.drawing ? "drawing object #" : "object \"" + object.name + "\" #") +
           std::to_string(object.uniqueId);
}
}  // namespace

bool CheckVertexIndex(const char* function, const Object& object, int index) {
    if (object.mesh.HasVertexSlot(index)) return true;
    ReportViolation(std::string(function) + ": vertex index " + std::to_string(index) +
                    " out of range (" + ObjectText(object) + " has " +
                    std::to_string(object.mesh.VertexCount()) + " vertices)");
    return false;
}

bool CheckFaceIndex(const char* function, const Object& object, int index) {
    if (object.mesh.HasFaceSlot(index)) return true;
    ReportViolation(std::string(function) + ": face index " + std::to_string(index) +
                    " out of range (" + ObjectText(object) + " has " +
                    std::to_string(object.mesh.FaceCount()) + " faces)");
    return false;
}

bool CheckLineIndex(const char* function, const Object& object, int face, int line) {
    if (!CheckFaceIndex(function, object, face)) return false;
    const int count = object.mesh.FacePointCount(face);
    if (line >= 0 && line < count) return true;
    ReportViolation(std::string(function) + ": line index " + std::to_string(line) +
                    " out of range (face " + std::to_string(face) + " of " + ObjectText(object) +
                    " has " + std::to_string(count) + " lines)");
    return false;
}

bool CheckFacePoints(const char* function, const Object& object, const std::vector<int>& points) {
    if (points.empty()) {
        ReportViolation(std::string(function) + ": a face without points for " +
                        ObjectText(object));
        return false;
    }
    for (int point : points) {
        if (!CheckVertexIndex(function, object, point)) return false;
        if (!object.mesh.VertexAlive(point)) {
            ReportViolation(std::string(function) + ": face point " + std::to_string(point) +
                            " names a deleted vertex of " + ObjectText(object));
            return false;
        }
    }
    return true;
}

bool CheckPointer(const char* function, const void* pointer, const char* what) {
    if (pointer != nullptr) return true;
    ReportViolation(std::string(function) + ": null " + what);
    return false;
}

}  // namespace sim
