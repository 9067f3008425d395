#include "simhost/document_model.h"

#include "simhost/violations.h"

namespace sim {

DocumentModel& Documents() {
    static DocumentModel model;
    return model;
}

void DocumentModel::Reset() {}

void DocumentModel::CheckAfterUnload() {}

std::string DocumentModel::Dump() const { return "documents: (not modelled yet)\n"; }

void DocumentModel::HandleMessage(int number, MessageHeader&) {
    ReportViolation("message " + std::to_string(number) + " is not modelled yet");
}

}  // namespace sim
