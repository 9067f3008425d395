// The readable state of the document model, for test failure messages.
#include <cstdio>
#include <string>

#include "simhost/documents/document_model.h"
#include "simhost/documents/document_parts.h"

namespace sim {

namespace {
// Faces of meshes up to this size are listed point by point, and selections
// up to this many elements element by element.
constexpr int kListedFaces = 32;
constexpr std::size_t kListedSelection = 64;

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string IndexList(const std::vector<int>& list) {
    std::string text;
    for (int index : list) {
        if (!text.empty()) text += ' ';
        text += std::to_string(index);
    }
    return text;
}

std::string MeshText(const Mesh& mesh, const std::string& indent) {
    std::string text = indent + "vertices " + std::to_string(mesh.VertexCount()) + ", faces " +
                       std::to_string(mesh.FaceCount()) + "\n";
    if (mesh.FaceCount() > kListedFaces) return text;
    for (int face = 0; face < mesh.FaceCount(); ++face) {
        text += indent + "  face " + std::to_string(face) + ": ";
        text += mesh.FacePointCount(face) == 0 ? "(deleted)" : IndexList(mesh.FacePoints(face));
        text += "\n";
    }
    return text;
}

std::string SelectionText(const Selection& selection, const std::string& indent) {
    if (selection.Empty()) return "";
    const std::vector<int> vertices = selection.Vertices();
    const std::vector<int> faces = selection.Faces();
    const auto lineList = selection.Lines();
    if (vertices.size() + faces.size() + lineList.size() > kListedSelection)
        return indent + "selected " + std::to_string(vertices.size()) + " vertices, " +
               std::to_string(lineList.size()) + " lines, " + std::to_string(faces.size()) +
               " faces\n";
    std::string lines;
    for (auto [face, line] : lineList) {
        if (!lines.empty()) lines += ' ';
        lines += std::to_string(face) + ":" + std::to_string(line);
    }
    return indent + "selected vertices [" + IndexList(vertices) + "] lines [" + lines +
           "] faces [" + IndexList(faces) + "]\n";
}
}  // namespace

std::string DocumentModel::Dump() const {
    std::string text = "documents: " + std::to_string(state_->documents.size()) + "\n";
    for (const auto& document : state_->documents) {
        text += "  document #" + std::to_string(document->number) + ": " +
                std::to_string(document->objects.size()) + " object slots, current " +
                std::to_string(document->current) + "\n";
        for (std::size_t i = 0; i < document->objects.size(); ++i) {
            const Object* object = document->objects[i].get();
            if (object == nullptr) {
                text += "    [" + std::to_string(i) + "] (deleted)\n";
                continue;
            }
            text += "    [" + std::to_string(i) + "] \"" + object->name + "\" unique id " +
                    std::to_string(object->uniqueId) +
                    (object->visible ? ", visible\n" : ", hidden\n");
            text += MeshText(object->mesh, "      ") + SelectionText(object->selection, "      ");
        }
        for (const auto& object : document->drawObjects) {
            text += "    drawing object #" + std::to_string(object->uniqueId) + ": visibility " +
                    std::to_string(object->visibility) + ", instant " +
                    std::to_string(object->instant) + ", colour " + Number(object->color[0]) + " " +
                    Number(object->color[1]) + " " + Number(object->color[2]) + " (513 set to " +
                    std::to_string(object->colorSet) + ")\n";
            text += MeshText(object->mesh, "      ");
        }
    }
    for (const auto& scene : state_->scenes) {
        const SceneOptions& o = scene->options;
        text += "  scene of document #" + std::to_string(scene->document->number) +
                ": show_vertex " + std::to_string(o.showVertex) + ", show_line " +
                std::to_string(o.showLine) + ", show_face " + std::to_string(o.showFace) +
                ", front_only " + std::to_string(o.frontOnly) + ", show_bkimg " +
                std::to_string(o.showBkimg) + "\n";
    }
    const DocumentFaults& faults = state_->faults;
    if (faults.refuseDrawObjects || faults.silentScenes || faults.noCurrentObject ||
        faults.drawObjectsBeforeRefusal >= 0)
        text += "  faults: refuseDrawObjects " + std::to_string(faults.refuseDrawObjects) +
                ", silentScenes " + std::to_string(faults.silentScenes) + ", noCurrentObject " +
                std::to_string(faults.noCurrentObject) + ", drawObjectsBeforeRefusal " +
                std::to_string(faults.drawObjectsBeforeRefusal) + "\n";
    return text;
}

}  // namespace sim
