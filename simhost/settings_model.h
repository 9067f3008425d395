// The host's settings document (XML) with its "pluginsettings" element.
#pragma once

#include <string>

#include "host/host_abi.h"

namespace sim {

class SettingsModel {
public:
    void Reset();
    std::string Dump() const;
    // Message 505: answers the "root" and "pluginsettings" elements.
    void HandleMessage(MessageHeader& record);
};

SettingsModel& Settings();

}  // namespace sim
