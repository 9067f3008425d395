// The five settings-element actions of the host, each one MQXmlElem_Value
// call with its record of pointer-sized fields. Names and texts are UTF-8;
// elements are opaque host handles.
#pragma once

#include "host/host_abi.h"

namespace host {

// Action numbers of MQXmlElem_Value.
namespace xml_action {
constexpr int kAddChildElement = 0x101;
constexpr int kRemoveChildElement = 0x102;
constexpr int kFindChildElement = 0x201;
constexpr int kGetElementText = 0x302;
constexpr int kSetElementText = 0x402;
}  // namespace xml_action

// Appends a child named `utf8Name` to `parent`; the new child, or null when
// the host made none. [after MQInit]
MQXmlElement AddChildElement(MQXmlElement parent, const char* utf8Name);
// Removes `child` (a child of `parent`) from the document. [after MQInit]
void RemoveChildElement(MQXmlElement parent, MQXmlElement child);
// First child of `parent` named exactly `utf8Name`, or null. [after MQInit]
MQXmlElement FindChildElement(MQXmlElement parent, const char* utf8Name);
// The element's UTF-8 text, or null. The host owns the text and may change
// it at the next call: copy it at once. [after MQInit]
const char* GetElementText(MQXmlElement element);
// Replaces the element's text. [after MQInit]
void SetElementText(MQXmlElement element, const char* utf8Text);

}  // namespace host
