// The binary contract with the host: handle types and the records that cross
// the boundary, with their layouts pinned. Both the plug-in and the simulated
// host build on this header.
#pragma once

#include <cstddef>
#include <cstdint>

// Opaque host handles: distinct types so that they cannot be mixed up.
// A null handle means none.
typedef struct MQDocumentHandle* MQDocument;
typedef struct MQObjectHandle* MQObject;
typedef struct MQSceneHandle* MQScene;
typedef struct MQXmlElementHandle* MQXmlElement;
typedef struct MQMaterialHandle* MQMaterial;

// The host's argument list: pairs ended by the first pair whose key is null.
struct KeyValuePair {
    const char* key;
    void* value;
};
static_assert(sizeof(KeyValuePair) == 16);

// The record of every MQ_SendMessage.
struct MessageHeader {
    unsigned int product;  // sender's product id
    unsigned int id;       // sender's plug-in id
    int reserved;          // always 0
    void* option;          // KeyValuePair list (message 100: int*)
};
static_assert(sizeof(MessageHeader) == 24);
static_assert(offsetof(MessageHeader, product) == 0);
static_assert(offsetof(MessageHeader, id) == 4);
static_assert(offsetof(MessageHeader, reserved) == 8);
static_assert(offsetof(MessageHeader, option) == 16);

// Handed to the document load and save operations (host events 200, 202).
struct DocumentDataOption {
    MQXmlElement elem;  // the host's element for the document, may be null
    int saveUniqueId;   // set nonzero to ask the host to keep unique ids
};
static_assert(sizeof(DocumentDataOption) == 16);
static_assert(offsetof(DocumentDataOption, saveUniqueId) == 8);

// The widget event callback that the plug-in hands to the host as "proc".
typedef int (*WidgetEventProcType)(MQDocument doc, KeyValuePair* list, void* pointer);
