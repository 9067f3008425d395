#include "simhost/faults/fault_scopes.h"

#include "simhost/contract/host_contract.h"
#include "simhost/documents/document_model.h"
#include "simhost/faults/fault_points.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_model.h"

namespace sim {

WidgetCallRefusal::WidgetCallRefusal(int message) {
    WidgetModel& model = Widgets();
    switch (message) {
    case widget_msg::kCreate:
        if (FaultPoints().Refuse(FaultPoint::WidgetCreation)) model.FailNextCreations(1);
        break;
    case widget_msg::kGetProperty:
        readLeft_ = FaultPoints().Refuse(FaultPoint::PropertyRead);
        if (readLeft_) model.LeaveReadsUnanswered(true);
        break;
    case widget_msg::kSystemLookup:
        lookupLeft_ = FaultPoints().Refuse(FaultPoint::MainWindowLookup);
        if (lookupLeft_) model.LeaveSystemLookupUnanswered(true);
        break;
    default: break;
    }
}

WidgetCallRefusal::~WidgetCallRefusal() {
    if (readLeft_) Widgets().LeaveReadsUnanswered(false);
    if (lookupLeft_) Widgets().LeaveSystemLookupUnanswered(false);
}

FlagForOneCall StationMessageRefusal(int message) {
    FaultPlan& plan = FaultPoints();
    switch (message) {
    case station_msg::kCreateDrawObject:
        if (plan.Refuse(FaultPoint::DrawObjectCreation))
            return FlagForOneCall(Documents().Faults().refuseDrawObjects);
        break;
    case station_msg::kSceneOption:
        if (plan.Refuse(FaultPoint::SceneOptions))
            return FlagForOneCall(Documents().Faults().silentScenes);
        break;
    case station_msg::kSettingsElement:
        if (plan.Refuse(FaultPoint::SettingsElement))
            return FlagForOneCall(Settings().Faults().noPluginSettings);
        break;
    default: break;
    }
    return FlagForOneCall();
}

FlagForOneCall ElementActionRefusal(int action) {
    FaultPlan& plan = FaultPoints();
    switch (action) {
    case xml_action::kAddChildElement:
        if (plan.Refuse(FaultPoint::ElementCreation))
            return FlagForOneCall(Settings().Faults().refuseNewElements);
        break;
    case xml_action::kFindChildElement:
        if (plan.Refuse(FaultPoint::ElementFind))
            return FlagForOneCall(Settings().Faults().findsUnanswered);
        break;
    case xml_action::kGetElementText:
        if (plan.Refuse(FaultPoint::ElementText))
            return FlagForOneCall(Settings().Faults().nullElementText);
        break;
    default: break;
    }
    return FlagForOneCall();
}

}  // namespace sim
