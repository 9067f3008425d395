#include "simhost/documents/document_parts.h"

namespace sim {

void Object::DeleteVertex(int index) {
    for (int face : mesh.RelatedFaces(index)) selection.ForgetFace(face, mesh.FacePointCount(face));
    mesh.DeleteVertex(index);
    selection.ForgetVertex(index);
}

void Object::DeleteFace(int index) {
    selection.ForgetFace(index, mesh.FacePointCount(index));
    mesh.DeleteFace(index);
}

void Object::Compact() { selection.Renumber(mesh.Compact()); }

Object* Document::At(int index) const {
    if (index < 0 || index >= static_cast<int>(objects.size())) return nullptr;
    return objects[index].get();
}

void Document::ReindexObjects() {
    indexByUniqueId.clear();
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i] != nullptr)
            indexByUniqueId.emplace(objects[i]->uniqueId, static_cast<int>(i));
}

}  // namespace sim
