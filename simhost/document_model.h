// Documents, mesh objects, selection, drawing objects and scenes of the
// simulated host.
#pragma once

#include <string>

#include "host/host_abi.h"

namespace sim {

class DocumentModel {
public:
    void Reset();
    std::string Dump() const;
    // Messages 200 (create drawing object), 210 (delete it), 410 (scene options).
    void HandleMessage(int number, MessageHeader& record);
    // Called when the plug-in module is unloaded: every drawing object the
    // plug-in made must be gone by then.
    void CheckAfterUnload();
};

DocumentModel& Documents();

}  // namespace sim
