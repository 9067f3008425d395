// The element records that dereferencing an iterator makes.
#include "cmq/cmq_elements.h"

#include "cmq/cmq_object.h"
#include "host/host_api.h"

namespace cmq {

CMQVertexPtr VertexKind::Make(const CMQObject& owner, int index) {
    return std::make_shared<CMQVertex>(CMQVertex{index, owner, owner.GetPosition(index)});
}

CMQFacePtr FaceKind::Make(const CMQObject& owner, int index) {
    return std::make_shared<CMQFace>(CMQFace{index, owner});
}

}  // namespace cmq
