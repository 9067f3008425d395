// The host questions behind the element iterators and records.
#include "cmq/cmq_elements.h"

#include "cmq/cmq_object.h"
#include "host/host_api.h"

namespace cmq {

// A view without an object has no elements; the host is not asked.
int VertexKind::Count(MQObject object) {
    return object != nullptr ? host::ObjGetVertexCount(object) : 0;
}
int VertexKind::Size(MQObject object, int index) { return host::ObjGetVertexRefCount(object, index); }
CMQVertexPtr VertexKind::Make(const CMQObject& owner, int index) {
    return std::make_shared<CMQVertex>(CMQVertex{index, owner, owner.GetPosition(index)});
}

int FaceKind::Count(MQObject object) { return object != nullptr ? host::ObjGetFaceCount(object) : 0; }
int FaceKind::Size(MQObject object, int index) { return host::ObjGetFacePointCount(object, index); }
CMQFacePtr FaceKind::Make(const CMQObject& owner, int index) {
    return std::make_shared<CMQFace>(CMQFace{index, owner});
}

}  // namespace cmq
