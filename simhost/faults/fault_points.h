// Every place where the simulated host can answer less than it might: a
// creation that yields 0 or null, a read that leaves the plug-in's preset, a
// message box or dialog closed without an answer. The host counts the calls
// at each place and refuses the ones a plan names, so that a validation run
// can first count a whole session's calls and then refuse each in turn.
#pragma once

#include <array>
#include <set>
#include <string>
#include <utility>

namespace sim {

enum class FaultPoint {
    WidgetCreation,      // MQWidget_Value create: the id stays 0
    PropertyRead,        // MQWidget_Value get property: the preset stays
    MainWindowLookup,    // MQWidget_Value system lookup: the preset stays
    MessageBox,          // a message box is closed without an answer
    ModalRun,            // a modal dialog is closed without an answer
    DrawObjectCreation,  // message 200: "result" stays null
    SceneOptions,        // message 410: the five options keep their presets
    SettingsElement,     // message 505: "pluginsettings" stays null
    ElementCreation,     // MQXmlElem_Value add child: no element
    ElementFind,         // MQXmlElem_Value find child: not found
    ElementText,         // MQXmlElem_Value get text: null
    CurrentObject,       // MQDoc_GetCurrentObjectIndex: -1
    ObjectByIndex,       // MQDoc_GetObject: null
    ObjectByUniqueId,    // MQDoc_GetObjectFromUniqueID: null
    ObjectIndex,         // MQDoc_GetObjectIndex: -1
    VertexByUniqueId,    // MQObj_GetVertexIndexFromUniqueID: -1
    VertexPosition,      // MQObj_GetVertex: the preset stays
    FacePoints,          // MQObj_GetFacePointArray: the preset stays
};
constexpr int kFaultPointCount = static_cast<int>(FaultPoint::FacePoints) + 1;

// "widget creation", "property read", ...
const char* FaultPointName(FaultPoint point);
// The point named `name` (as FaultPointName gives it); false when none is.
bool FaultPointNamed(const std::string& name, FaultPoint& point);

// Calls counted at each point since the last reset.
using FaultCounts = std::array<int, kFaultPointCount>;

class FaultPlan {
public:
    // Nothing refused, every count 0.
    void Reset();
    // The call numbered `ordinal` (0 = the first after the reset) at `point`
    // is refused.
    void RefuseCall(FaultPoint point, int ordinal);
    // Host side: counts one call at `point`; true when the plan refuses it.
    bool Refuse(FaultPoint point);

    const FaultCounts& Counts() const { return counts_; }
    int Count(FaultPoint point) const { return counts_[static_cast<std::size_t>(point)]; }
    // Calls refused since the last reset.
    int Refused() const { return refused_; }

private:
    FaultCounts counts_{};
    std::set<std::pair<int, int>> planned_;  // (point, ordinal)
    int refused_ = 0;
};

// The host's one plan; reset with the host.
FaultPlan& FaultPoints();

}  // namespace sim
