// Recalling a marker as the document's selection.
#include <vector>

#include "cmq/cmq_object.h"
#include "host/host_api.h"
#include "marker/tackpin.h"

namespace {

// The host's flag for clearing vertices, lines and faces alike.
constexpr unsigned int kClearAllSelection = 7;

}  // namespace

void Tackpin::SelectMarker(MQDocument doc, int index, bool add) {
    if (index < 0 || static_cast<std::size_t>(index) >= slots.size()) return;
    const MarkerSlot& slot = slots[static_cast<std::size_t>(index)];
    if (slot.IsEmpty()) return;

    // A marker whose object is gone selects nothing and leaves the selection
    // as it is.
    const cmq::CMQObject object = cmq::CMQObject::FromUniqueId(doc, slot.objectUniqueId);
    if (!object.IsValid()) return;
    // The object's place in the document is the same for every element.
    const int objectIndex = host::DocGetObjectIndex(doc, object.object);
    if (objectIndex < 0) return;

    // Everything is looked up before the selection changes: memory running
    // out part way then leaves the host's selection as it was, where a
    // selection changed as the marker is read would be left half made.
    // Vertices in stored order; ids that no longer name a vertex are skipped.
    std::vector<int> vertices;
    vertices.reserve(slot.vertexUniqueIds.size());
    for (int uniqueId : slot.vertexUniqueIds) {
        const int v = host::ObjGetVertexIndexFromUniqueID(object.object, uniqueId);
        if (v >= 0) vertices.push_back(v);
    }
    // Lines by their end points, in every face that still joins them, all
    // gathered in the search's list; its other lists serve every line in turn.
    cmq::LineSearch search;
    std::vector<cmq::LineKey>& lines = search.lines;
    lines.reserve(2 * slot.edgeKeys.size());  // most edges lie between two faces
    for (EdgeKey key : slot.edgeKeys) {
        const int a = host::ObjGetVertexIndexFromUniqueID(object.object, EdgeKeyHigh(key));
        const int b = host::ObjGetVertexIndexFromUniqueID(object.object, EdgeKeyLow(key));
        if (a < 0 || b < 0) continue;
        object.AppendLinesBetween(a, b, search);
    }

    // From here on nothing allocates.
    if (!add) host::DocClearSelect(doc, kClearAllSelection);
    for (int v : vertices) host::DocAddSelectVertex(doc, objectIndex, v);
    for (cmq::LineKey line : lines)
        host::DocAddSelectLine(doc, objectIndex, cmq::LineKeyFace(line), cmq::LineKeyLine(line));
}
