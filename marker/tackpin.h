// The plug-in object: the one station plug-in instance through which the
// host reaches the markers, the panel and the drawing.
#pragma once

#include <vector>

#include "host/plugin_classes.h"
#include "marker/marker_slot.h"

class Tackpin : public MQStationPlugin {
public:
    Tackpin() = default;
    ~Tackpin() override;

    // Identity reported to the host.
    static constexpr unsigned int kProductId = 0x54414B50;  // fixed for this plug-in
    static constexpr unsigned int kPluginId = 0x00070001;

    void GetPlugInID(unsigned int* product, unsigned int* id) override;
    const char* GetPlugInName() override;
    int GetPlugInType() override;
    const char* EnumString() override;

    int OnStart() override;
    void OnExit() override;
    int OnActivate(MQDocument doc, int flag) override;
    int IsActivated(MQDocument doc) override;
    void OnDraw(MQDocument doc, MQScene scene, int width, int height) override;
    void OnLoadDocument(MQDocument doc, const char* filename, DocumentDataOption& option) override;
    int OnDocumentEvent210(MQDocument doc, int state) override;
    void OnDocumentEvent221(MQDocument doc) override;
    void OnDocumentEvent220(MQDocument doc) override;

    // Marker rows 0, 1, 2 after start-up; grows on demand.
    std::vector<MarkerSlot> slots;
    // The plug-in is activated: its panel is shown and drawing works.
    bool active = false;
    // Document of the last draw pass; cleared on deactivation.
    MQDocument document = nullptr;
    // Drawing options (the panel's check boxes and spin box).
    bool showMarkers = true;
    bool showNormals = false;
    bool normalsDirty = true;
    bool drawAlways = false;
    float normalLength = 10.0f;
    bool overwriteMode = true;
};

// The single instance, made while the library loads.
Tackpin& TheTackpin();
