// The simulated host as a whole: the reset and the dump of every area, and
// the station messages the plug-in sends, recorded and handed to the area
// that answers each.
#include "simhost/host_state.h"

#include <cstring>

#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"
#include "simhost/deliveries.h"
#include "simhost/documents/document_model.h"
#include "simhost/faults/fault_points.h"
#include "simhost/settings/settings_model.h"
#include "simhost/widgets/widget_model.h"

namespace sim {

namespace {
struct StationState {
    std::vector<SentMessage> messages;
    int refreshRequests = 0;
    int deactivateNotices = 0;
    unsigned int expectedProduct = 0;
    unsigned int expectedId = 0;
};

StationState& State() {
    static StationState state;
    return state;
}

bool IsListMessage(int number) {
    return number == station_msg::kCreateDrawObject || number == station_msg::kDeleteDrawObject ||
           number == station_msg::kSceneOption || number == station_msg::kSettingsElement;
}

SentMessage Record(int number, const MessageHeader& header) {
    SentMessage sent;
    sent.number = number;
    std::memcpy(&sent.header, &header, sizeof header);
    if (number == station_msg::kDeactivateNotice) {
        if (header.option != nullptr) sent.flag = *static_cast<const int*>(header.option);
        return sent;
    }
    // Only the messages the host knows carry a list; the option of any other
    // number is of unknown shape and is not read.
    if (!IsListMessage(number)) return sent;
    auto* list = static_cast<const KeyValuePair*>(header.option);
    for (const KeyValuePair* pair = list; pair != nullptr && pair->key != nullptr; ++pair)
        sent.keys.emplace_back(pair->key);
    return sent;
}
}  // namespace

const std::vector<SentMessage>& SentMessages() { return State().messages; }
int RefreshRequests() { return State().refreshRequests; }
int DeactivateNotices() { return State().deactivateNotices; }

void ExpectSender(unsigned int product, unsigned int id) {
    State().expectedProduct = product;
    State().expectedId = id;
}

void ResetHost() {
    Documents().Reset();
    Settings().Reset();
    Widgets().Reset();
    FaultPoints().Reset();
    ResetDeliveries();
    unsigned int product = State().expectedProduct;
    unsigned int id = State().expectedId;
    State() = StationState{};
    ExpectSender(product, id);
    ClearViolations();
}

std::string DumpHost() {
    std::string dump = Documents().Dump() + Settings().Dump() + Widgets().Dump();
    dump += "station: refresh requests " + std::to_string(State().refreshRequests) +
            ", deactivation notices " + std::to_string(State().deactivateNotices) + "\n";
    return dump;
}

void HandleStationMessage(int number, MessageHeader* record) {
    const std::string where = "MQ_SendMessage(" + std::to_string(number) + "): ";
    if (record == nullptr) {
        ReportViolation(where + "null message record");
        return;
    }
    State().messages.push_back(Record(number, *record));
    StationState& state = State();
    if (state.expectedProduct != 0 || state.expectedId != 0) {
        if (record->product != state.expectedProduct || record->id != state.expectedId)
            ReportViolation(where + "sender ids are not the plug-in's own");
    }
    if (record->reserved != 0) ReportViolation(where + "reserved field is not 0");
    if (record->option == nullptr) {
        ReportViolation(where + "no option");
        return;
    }
    switch (number) {
    case station_msg::kDeactivateNotice:
        ++state.deactivateNotices;
        if (*static_cast<const int*>(record->option) != 0)
            ReportViolation(where + "deactivation notice with a nonzero state");
        break;
    case station_msg::kCreateDrawObject:
    case station_msg::kDeleteDrawObject:
    case station_msg::kSceneOption: Documents().HandleMessage(number, *record); break;
    case station_msg::kSettingsElement: Settings().HandleMessage(*record); break;
    default: ReportViolation(where + "unknown message number");
    }
}

void HandleRefreshView(void* options) {
    if (options != nullptr) ReportViolation("MQ_RefreshView: options are not null");
    ++State().refreshRequests;
}

}  // namespace sim
