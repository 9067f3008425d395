// The simulated host as a whole: reset between tests, the readable dump of
// every area, and the record of the station messages the plug-in sent.
#pragma once

#include <string>
#include <vector>

#include "host/host_abi.h"

namespace sim {

// One MQ_SendMessage as the host received it.
struct SentMessage {
    int number = 0;
    MessageHeader header{};         // copied byte for byte
    std::vector<std::string> keys;  // the list's keys in order (none for message 100)
    int flag = 0;                   // message 100: the integer the option points at
};

// Every message received since the last reset, oldest first.
const std::vector<SentMessage>& SentMessages();
// Number of MQ_RefreshView calls since the last reset.
int RefreshRequests();
// Number of deactivation notices (message 100) since the last reset.
int DeactivateNotices();

// Sender ids the host expects in message headers (the plug-in's identity);
// 0, 0 accepts any sender.
void ExpectSender(unsigned int product, unsigned int id);

// MQ_SendMessage: records the message, checks its header and hands it to
// the area that answers it (drawing objects and scenes, the settings
// element); the deactivation notice is counted here.
void HandleStationMessage(int number, MessageHeader* record);
// MQ_RefreshView: counts the request; its options must be null.
void HandleRefreshView(void* options);

// Puts every area back to a new host's state and clears the violations.
void ResetHost();
// Readable state of every area, for test failure messages.
std::string DumpHost();

}  // namespace sim
