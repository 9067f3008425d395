#include "simhost/settings_model.h"

#include "simhost/violations.h"

namespace sim {

SettingsModel& Settings() {
    static SettingsModel model;
    return model;
}

void SettingsModel::Reset() {}

std::string SettingsModel::Dump() const { return "settings: (not modelled yet)\n"; }

void SettingsModel::HandleMessage(MessageHeader&) {
    ReportViolation("message 505 is not modelled yet");
}

}  // namespace sim
