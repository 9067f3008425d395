// Document and mesh functions of the host (not modelled yet).
#include "host/host_abi.h"
#include "platform/export.h"
#include "simhost/violations.h"

extern "C" TACKPIN_EXPORT int MQDoc_GetCurrentObjectIndex(MQDocument) { sim::ReportUnexpectedCall("MQDoc_GetCurrentObjectIndex"); return {}; }
extern "C" TACKPIN_EXPORT MQObject MQDoc_GetObject(MQDocument, int) { sim::ReportUnexpectedCall("MQDoc_GetObject"); return {}; }
extern "C" TACKPIN_EXPORT MQObject MQDoc_GetObjectFromUniqueID(MQDocument, int) { sim::ReportUnexpectedCall("MQDoc_GetObjectFromUniqueID"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_GetObjectIndex(MQDocument, MQObject) { sim::ReportUnexpectedCall("MQDoc_GetObjectIndex"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_IsSelectVertex(MQDocument, int, int) { sim::ReportUnexpectedCall("MQDoc_IsSelectVertex"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_IsSelectLine(MQDocument, int, int, int) { sim::ReportUnexpectedCall("MQDoc_IsSelectLine"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_IsSelectFace(MQDocument, int, int) { sim::ReportUnexpectedCall("MQDoc_IsSelectFace"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_ClearSelect(MQDocument, unsigned int) { sim::ReportUnexpectedCall("MQDoc_ClearSelect"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_AddSelectVertex(MQDocument, int, int) { sim::ReportUnexpectedCall("MQDoc_AddSelectVertex"); return {}; }
extern "C" TACKPIN_EXPORT int MQDoc_AddSelectLine(MQDocument, int, int, int) { sim::ReportUnexpectedCall("MQDoc_AddSelectLine"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetVisible(MQObject) { sim::ReportUnexpectedCall("MQObj_GetVisible"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetVertexCount(MQObject) { sim::ReportUnexpectedCall("MQObj_GetVertexCount"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetFaceCount(MQObject) { sim::ReportUnexpectedCall("MQObj_GetFaceCount"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetVertexRefCount(MQObject, int) { sim::ReportUnexpectedCall("MQObj_GetVertexRefCount"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetFacePointCount(MQObject, int) { sim::ReportUnexpectedCall("MQObj_GetFacePointCount"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetVertexUniqueID(MQObject, int) { sim::ReportUnexpectedCall("MQObj_GetVertexUniqueID"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetVertexIndexFromUniqueID(MQObject, int) { sim::ReportUnexpectedCall("MQObj_GetVertexIndexFromUniqueID"); return {}; }
extern "C" TACKPIN_EXPORT void MQObj_GetVertex(MQObject, int, float*) { sim::ReportUnexpectedCall("MQObj_GetVertex"); }
extern "C" TACKPIN_EXPORT int MQObj_AddVertex(MQObject, const float*) { sim::ReportUnexpectedCall("MQObj_AddVertex"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_AddFace(MQObject, int, const int*) { sim::ReportUnexpectedCall("MQObj_AddFace"); return {}; }
extern "C" TACKPIN_EXPORT void MQObj_GetFacePointArray(MQObject, int, int*) { sim::ReportUnexpectedCall("MQObj_GetFacePointArray"); }
extern "C" TACKPIN_EXPORT int MQObj_GetVertexRelatedFaces(MQObject, int, int*) { sim::ReportUnexpectedCall("MQObj_GetVertexRelatedFaces"); return {}; }
extern "C" TACKPIN_EXPORT int MQObj_GetIntValue(MQObject, int) { sim::ReportUnexpectedCall("MQObj_GetIntValue"); return {}; }
extern "C" TACKPIN_EXPORT void MQObj_SetFloatArray(MQObject, int, const float*) { sim::ReportUnexpectedCall("MQObj_SetFloatArray"); }
extern "C" TACKPIN_EXPORT void MQObj_SetIntValue(MQObject, int, int) { sim::ReportUnexpectedCall("MQObj_SetIntValue"); }
