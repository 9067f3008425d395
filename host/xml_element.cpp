// Element access through MQXmlElem_Value. Every "out" field of a record
// starts null and is the place where the host stores its answer.
#include "host/xml_element.h"

#include "host/host_api.h"

namespace host {

MQXmlElement AddChildElement(MQXmlElement parent, const char* utf8Name) {
    void* record[2] = {const_cast<char*>(utf8Name), nullptr};
    XmlElemValue(parent, xml_action::kAddChildElement, record);
    return static_cast<MQXmlElement>(record[1]);
}

void RemoveChildElement(MQXmlElement parent, MQXmlElement child) {
    int answer = 0;  // the host's answer is of no use to the plug-in
    void* record[2] = {child, &answer};
    XmlElemValue(parent, xml_action::kRemoveChildElement, record);
}

MQXmlElement FindChildElement(MQXmlElement parent, const char* utf8Name) {
    void* record[2] = {const_cast<char*>(utf8Name), nullptr};
    XmlElemValue(parent, xml_action::kFindChildElement, record);
    return static_cast<MQXmlElement>(record[1]);
}

const char* GetElementText(MQXmlElement element) {
    void* record[1] = {nullptr};
    XmlElemValue(element, xml_action::kGetElementText, record);
    return static_cast<const char*>(record[0]);
}

void SetElementText(MQXmlElement element, const char* utf8Text) {
    void* record[1] = {const_cast<char*>(utf8Text)};
    XmlElemValue(element, xml_action::kSetElementText, record);
}

}  // namespace host
