// Checks of the indices and pointers that the plug-in passes with an object:
// each reports what is wrong, naming `function`, and answers whether the call
// may go on.
#pragma once

#include "simhost/documents/document_parts.h"

namespace sim {

// A vertex slot of the object (a deleted vertex's slot counts until compaction).
bool CheckVertexIndex(const char* function, const Object& object, int index);
// A face slot of the object (a deleted face's slot counts until compaction).
bool CheckFaceIndex(const char* function, const Object& object, int index);
// Line `line` of face `face`: 0 <= line < the face's point count.
bool CheckLineIndex(const char* function, const Object& object, int face, int line);
// Every point names a live vertex of the object.
bool CheckFacePoints(const char* function, const Object& object, const std::vector<int>& points);
bool CheckPointer(const char* function, const void* pointer, const char* what);

}  // namespace sim
