// The element records that walking a mesh view hands out (`CMQVertex`,
// `CMQFace`) and the iterators that walk the used vertices and the faces with
// points, asking the host afresh at every step.
//
// A walk offers two forms. The plug-in reads each step's index and size
// alone (`Index()`, `Size()`): a record is a new allocation per element, and
// a vertex record also asks the host for a position that a store never
// needs and a draw pass needs only for the marked vertices. The records
// (`*iterator`, as range-for hands them out) serve the tests.
#pragma once

#include <array>
#include <memory>

#include "host/host_abi.h"
#include "host/host_api.h"

namespace cmq {

class CMQObject;

// One vertex as it was when the record was made.
struct CMQVertex {
    int index;
    const CMQObject& owner;  // not owned; must outlive the record's use
    std::array<float, 3> position;
};

// One face of the view's object.
struct CMQFace {
    int index;
    const CMQObject& owner;  // not owned; must outlive the record's use
};

using CMQVertexPtr = std::shared_ptr<CMQVertex>;
using CMQFacePtr = std::shared_ptr<CMQFace>;

// How the iterators ask the host about one kind of element: how many there
// are, and a per-element size (reference count, point count) that is at
// least 1 for the elements worth visiting. A view without an object has no
// elements; the host is not asked. The questions are inline: a walk asks two
// per element.
struct VertexKind {
    static int Count(MQObject object) {
        return object != nullptr ? host::ObjGetVertexCount(object) : 0;
    }
    static int Size(MQObject object, int index) {
        return host::ObjGetVertexRefCount(object, index);
    }
    static CMQVertexPtr Make(const CMQObject& owner, int index);
};
struct FaceKind {
    static int Count(MQObject object) {
        return object != nullptr ? host::ObjGetFaceCount(object) : 0;
    }
    static int Size(MQObject object, int index) {
        return host::ObjGetFacePointCount(object, index);
    }
    static CMQFacePtr Make(const CMQObject& owner, int index);
};

// End of an element range: reached when the index is no longer below the
// count the host gave at the last step.
struct ElementRangeEnd {};

// Ascending walk over the elements of one kind whose size is at least 1.
// The count is asked again at every step, so a mesh that changes during the
// walk is followed, not outrun.
template <typename Kind>
class ElementIterator {
public:
    ElementIterator(const CMQObject& owner, MQObject object) : owner_(&owner), object_(object) {
        Advance();
    }

    int Index() const { return index_; }
    // The size the host reported for the current element (vertices: reference
    // count, faces: number of points).
    int Size() const { return size_; }

    // A new record of the current element.
    auto operator*() const { return Kind::Make(*owner_, index_); }
    ElementIterator& operator++() {
        Advance();
        return *this;
    }
    bool operator==(const ElementIterator& other) const { return index_ == other.index_; }
    bool operator==(ElementRangeEnd) const { return index_ >= count_; }

private:
    void Advance() {
        count_ = Kind::Count(object_);
        int next = index_ + 1;
        for (; next < count_; ++next) {
            size_ = Kind::Size(object_, next);
            if (size_ >= 1) break;
        }
        index_ = next < count_ ? next : count_;
    }

    const CMQObject* owner_;
    MQObject object_;
    int index_ = -1;
    int count_ = 0;
    int size_ = 0;
};

using VertexIterator = ElementIterator<VertexKind>;
using FaceIterator = ElementIterator<FaceKind>;

// A range for range-for over one kind of element of a view.
template <typename Kind>
class ElementRange {
public:
    explicit ElementRange(const CMQObject& owner, MQObject object)
        : owner_(owner), object_(object) {}
    ElementIterator<Kind> begin() const { return ElementIterator<Kind>(owner_, object_); }
    ElementRangeEnd end() const { return {}; }

private:
    const CMQObject& owner_;
    MQObject object_;
};

using VertexRange = ElementRange<VertexKind>;
using FaceRange = ElementRange<FaceKind>;

}  // namespace cmq
