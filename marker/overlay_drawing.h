// The parts of the marker overlay that stand apart from the plug-in object:
// the visibility a drawing object is made with, and the map that places each
// object vertex in a drawing object once.
#pragma once

#include "cmq/cmq_object.h"
#include "host/station_services.h"
#include "marker/dense_hash.h"

// What a drawing object holds for one object vertex. The unique id and the
// position are those read when the vertex was placed, so that its normal line
// needs no second question to the host within the same pass.
struct PlacedVertex {
    int drawIndex = -1;
    int uniqueId = -1;
    cmq::Vec3 position{0.0f, 0.0f, 0.0f};
};

// Object vertex index -> its vertex in the drawing object. One per slot
// rebuild, dropped at the end of it.
using VertexMap = DenseHashMap<int, PlacedVertex>;

// 1 when the view shows vertices, plus 2 when it shows lines or the overlay's
// lines are drawn always: 0 to 3. [any time]
int DrawVisibility(const SceneOptions& options, bool drawAlways);
