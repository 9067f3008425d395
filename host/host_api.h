// The table of host functions that MQInit fills, and typed calls for the
// ones the plug-in uses. Every host service goes through these calls; an
// entry that is not filled (MQInit has not succeeded) answers the caller's
// preset instead of jumping to nothing.
#pragma once

#include "host/host_abi.h"

namespace host {

using HostProc = void (*)();

// One entry per host function, in the order of the host's table.
enum class Fn : int {
#define HOST_FUNCTION(name, use) name,
#define HOST_LOOKUP_AGAIN(name)
#include "host/host_function_names.h"
#undef HOST_LOOKUP_AGAIN
#undef HOST_FUNCTION
    Count
};
constexpr int kFunctionCount = static_cast<int>(Fn::Count);
static_assert(kFunctionCount == 175);

// Whether the plug-in calls a host function or only resolves it.
enum class FunctionUse { Called, Resolved };
struct FunctionName {
    const char* name;
    FunctionUse use;
};
// Every host function by entry, with its use (29 are called).
extern const FunctionName kFunctionNames[kFunctionCount];

// The process-wide table. Entries are null until MQInit fills them.
extern HostProc g_functions[kFunctionCount];

// Names in MQInit's look-up order (176: one name is looked up twice).
struct Lookup {
    const char* name;
    Fn entry;
};
extern const Lookup kLookupOrder[];
extern const int kLookupCount;

// Fills the table from the host module at `hostModulePath`. 1 when every
// name was found, else 0; entries after the first missing name keep their
// previous contents. [MQInit]
int ResolveHostFunctions(const char* hostModulePath);

// Calls entry `fn` as a function of type R(Args...), or returns `preset`
// when the entry is empty.
template <typename R, typename... Args>
R CallOr(Fn fn, R preset, Args... args) {
    HostProc proc = g_functions[static_cast<int>(fn)];
    if (proc == nullptr) return preset;
    return reinterpret_cast<R (*)(Args...)>(proc)(args...);
}
template <typename... Args>
void CallVoid(Fn fn, Args... args) {
    HostProc proc = g_functions[static_cast<int>(fn)];
    if (proc != nullptr) reinterpret_cast<void (*)(Args...)>(proc)(args...);
}

// The host functions that the plug-in calls. Results of an empty table
// entry are the "no answer" values: 0, null, or -1 for indices.
inline int SendStationMessage(int message, MessageHeader* record) {
    return CallOr<int>(Fn::MQ_SendMessage, 0, message, record);
}
inline int XmlElemValue(MQXmlElement elem, int action, void* record) {
    return CallOr<int>(Fn::MQXmlElem_Value, 0, elem, action, record);
}
inline int WidgetValue(int id, int message, KeyValuePair* list) {
    return CallOr<int>(Fn::MQWidget_Value, 0, id, message, list);
}
inline void RefreshView() { CallVoid<void*>(Fn::MQ_RefreshView, nullptr); }

inline int DocGetCurrentObjectIndex(MQDocument doc) {
    return CallOr<int>(Fn::MQDoc_GetCurrentObjectIndex, -1, doc);
}
inline MQObject DocGetObject(MQDocument doc, int index) {
    return CallOr<MQObject>(Fn::MQDoc_GetObject, nullptr, doc, index);
}
inline MQObject DocGetObjectFromUniqueID(MQDocument doc, int uniqueId) {
    return CallOr<MQObject>(Fn::MQDoc_GetObjectFromUniqueID, nullptr, doc, uniqueId);
}
inline int DocGetObjectIndex(MQDocument doc, MQObject obj) {
    return CallOr<int>(Fn::MQDoc_GetObjectIndex, -1, doc, obj);
}
inline int DocIsSelectVertex(MQDocument doc, int objIndex, int vertex) {
    return CallOr<int>(Fn::MQDoc_IsSelectVertex, 0, doc, objIndex, vertex);
}
inline int DocIsSelectLine(MQDocument doc, int objIndex, int face, int line) {
    return CallOr<int>(Fn::MQDoc_IsSelectLine, 0, doc, objIndex, face, line);
}
inline int DocIsSelectFace(MQDocument doc, int objIndex, int face) {
    return CallOr<int>(Fn::MQDoc_IsSelectFace, 0, doc, objIndex, face);
}
inline int DocClearSelect(MQDocument doc, unsigned int flag) {
    return CallOr<int>(Fn::MQDoc_ClearSelect, 0, doc, flag);
}
inline int DocAddSelectVertex(MQDocument doc, int objIndex, int vertex) {
    return CallOr<int>(Fn::MQDoc_AddSelectVertex, 0, doc, objIndex, vertex);
}
inline int DocAddSelectLine(MQDocument doc, int objIndex, int face, int line) {
    return CallOr<int>(Fn::MQDoc_AddSelectLine, 0, doc, objIndex, face, line);
}

inline int ObjGetVisible(MQObject obj) { return CallOr<int>(Fn::MQObj_GetVisible, 0, obj); }
inline int ObjGetVertexCount(MQObject obj) { return CallOr<int>(Fn::MQObj_GetVertexCount, 0, obj); }
inline int ObjGetFaceCount(MQObject obj) { return CallOr<int>(Fn::MQObj_GetFaceCount, 0, obj); }
inline int ObjGetVertexRefCount(MQObject obj, int vertex) {
    return CallOr<int>(Fn::MQObj_GetVertexRefCount, 0, obj, vertex);
}
inline int ObjGetFacePointCount(MQObject obj, int face) {
    return CallOr<int>(Fn::MQObj_GetFacePointCount, 0, obj, face);
}
inline int ObjGetVertexUniqueID(MQObject obj, int vertex) {
    return CallOr<int>(Fn::MQObj_GetVertexUniqueID, 0, obj, vertex);
}
inline int ObjGetVertexIndexFromUniqueID(MQObject obj, int uniqueId) {
    return CallOr<int>(Fn::MQObj_GetVertexIndexFromUniqueID, -1, obj, uniqueId);
}
// Writes three floats x, y, z.
inline void ObjGetVertex(MQObject obj, int vertex, float* xyz) {
    CallVoid<MQObject, int, float*>(Fn::MQObj_GetVertex, obj, vertex, xyz);
}
inline int ObjAddVertex(MQObject obj, const float* xyz) {
    return CallOr<int>(Fn::MQObj_AddVertex, -1, obj, xyz);
}
inline int ObjAddFace(MQObject obj, int count, const int* points) {
    return CallOr<int>(Fn::MQObj_AddFace, -1, obj, count, points);
}
// Writes as many indices as the face has points.
inline void ObjGetFacePointArray(MQObject obj, int face, int* points) {
    CallVoid<MQObject, int, int*>(Fn::MQObj_GetFacePointArray, obj, face, points);
}
// With a null buffer: the count only.
inline int ObjGetVertexRelatedFaces(MQObject obj, int vertex, int* faces) {
    return CallOr<int>(Fn::MQObj_GetVertexRelatedFaces, 0, obj, vertex, faces);
}
inline int ObjGetIntValue(MQObject obj, int type) {
    return CallOr<int>(Fn::MQObj_GetIntValue, 0, obj, type);
}
inline void ObjSetFloatArray(MQObject obj, int type, const float* values) {
    CallVoid<MQObject, int, const float*>(Fn::MQObj_SetFloatArray, obj, type, values);
}
inline void ObjSetIntValue(MQObject obj, int type, int value) {
    CallVoid<MQObject, int, int>(Fn::MQObj_SetIntValue, obj, type, value);
}

// Value ids of MQObj_GetIntValue / MQObj_SetIntValue / MQObj_SetFloatArray.
constexpr int kObjectUniqueId = 260;  // 0x104
constexpr int kObjectColor = 513;     // 0x201: float array r, g, b; int value 1 = valid

}  // namespace host
