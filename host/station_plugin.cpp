// Default bodies of the station operations that a station may leave alone.
#include "host/station_plugin.h"

void MQStationPlugin::OnStationNotice(MQDocument, int) {}

int MQStationPlugin::OnReceiveMessage(MQDocument, unsigned int, unsigned int, void*, void*) {
    return 0;
}

void MQStationPlugin::OnDocumentEvent201(MQDocument) {}
void MQStationPlugin::OnSaveDocument(MQDocument, const char*, DocumentDataOption&) {}
int MQStationPlugin::OnDocumentEvent211(MQDocument, int) { return 0; }
void MQStationPlugin::OnDocumentEvent212(MQDocument, int, int) {}
void MQStationPlugin::OnDocumentEvent222(MQDocument) {}
void MQStationPlugin::OnDocumentEvent231(MQDocument) {}
void MQStationPlugin::OnDocumentEvent230(MQDocument) {}
void MQStationPlugin::OnSceneEvent240(MQDocument, MQScene) {}

int MQStationPlugin::RunCallback(MQDocument doc, void* callbackRecord) {
    using Callback = int (*)(MQStationPlugin*, MQDocument, void*);
    if (callbackRecord == nullptr) return 0;
    Callback callback = *static_cast<Callback*>(callbackRecord);
    if (callback == nullptr) return 0;
    return callback(this, doc, callbackRecord);
}
