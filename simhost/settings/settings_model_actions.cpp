// MQXmlElem_Value on the settings document: the five element actions. Each
// record is an array of pointer-sized fields; "out" fields must arrive null
// and receive the host's answer. Every handle and record is checked before
// it is used, and a breach is reported instead of acted on.
#include <string>

#include "platform/utf8.h"
#include "simhost/contract/host_contract.h"
#include "simhost/contract/violations.h"
#include "simhost/host_changes.h"
#include "simhost/settings/settings_model.h"

namespace sim {

namespace {
using namespace xml_action;

// Names and texts must be UTF-8: the host's document holds nothing else.
bool CheckText(const char* text, const std::string& what, const std::string& where) {
    if (text == nullptr) {
        ReportViolation(where + ": null " + what);
        return false;
    }
    if (!platform::IsUtf8(text)) {
        ReportViolation(where + ": " + what + " is not UTF-8");
        return false;
    }
    return true;
}

// The call's name in reports, "MQXmlElem_Value(257)", for one of the five
// actions. Made once, not per call: the plug-in reads and writes its
// settings through here element by element, and almost nothing is reported.
const std::string& KnownActionPlace(int action) {
    static const std::string places[] = {
        "MQXmlElem_Value(" + std::to_string(kAddChildElement) + ")",
        "MQXmlElem_Value(" + std::to_string(kRemoveChildElement) + ")",
        "MQXmlElem_Value(" + std::to_string(kFindChildElement) + ")",
        "MQXmlElem_Value(" + std::to_string(kGetElementText) + ")",
        "MQXmlElem_Value(" + std::to_string(kSetElementText) + ")"};
    switch (action) {
    case kAddChildElement: return places[0];
    case kRemoveChildElement: return places[1];
    case kFindChildElement: return places[2];
    case kGetElementText: return places[3];
    default: return places[4];
    }
}

bool CheckOutStartsNull(void* field, const std::string& where) {
    if (field == nullptr) return true;
    ReportViolation(where + ": out field does not start null");
    return false;
}
}  // namespace

void SettingsModel::ElementValue(MQXmlElement handle, int action, void* record) {
    if (action != kAddChildElement && action != kRemoveChildElement &&
        action != kFindChildElement && action != kGetElementText && action != kSetElementText) {
        ReportViolation("MQXmlElem_Value(" + std::to_string(action) + "): unknown action");
        return;
    }
    const std::string& where = KnownActionPlace(action);
    if (record == nullptr) {
        ReportViolation(where + ": null record");
        return;
    }
    XmlElement* element = handles_.Resolve(handle, where);
    if (element == nullptr) return;
    auto** fields = static_cast<void**>(record);
    switch (action) {
    case kAddChildElement: AddChildElement(*element, fields, where); break;
    case kRemoveChildElement: RemoveChildElement(*element, fields, where); break;
    case kFindChildElement: FindChildElement(*element, fields, where); break;
    case kGetElementText: GetElementText(*element, fields, where); break;
    case kSetElementText: SetElementText(*element, fields, where); break;
    }
}

void SettingsModel::AddChildElement(XmlElement& parent, void** record, const std::string& where) {
    auto* name = static_cast<const char*>(record[0]);
    if (!CheckText(name, "name", where) || !CheckOutStartsNull(record[1], where)) return;
    calls_.push_back({kAddChildElement, parent.name, name});
    if (faults_.refuseNewElements) return;
    record[1] = handles_.HandleOf(AppendChild(parent, name));
    TellHostChange([&] {
        return where + ": settings element \"" + std::string(name) + "\" added to \"" +
               parent.name + "\"";
    });
}

void SettingsModel::RemoveChildElement(XmlElement& parent, void** record,
                                       const std::string& where) {
    XmlElement* child = handles_.Resolve(static_cast<MQXmlElement>(record[0]), where + " child");
    if (child == nullptr) return;
    auto* answer = static_cast<int*>(record[1]);
    if (answer == nullptr) {
        ReportViolation(where + ": null answer field");
        return;
    }
    if (*answer != 0) ReportViolation(where + ": answer does not start 0");
    if (!IsChildOf(parent, child)) {
        ReportViolation(where + ": \"" + child->name + "\" is not a child of \"" + parent.name +
                        "\"");
        return;
    }
    calls_.push_back({kRemoveChildElement, parent.name, child->name});
    TellHostChange([&] {
        return where + ": settings element \"" + child->name + "\" removed from \"" + parent.name +
               "\"";
    });
    handles_.Retire(*child);
    RemoveChild(parent, child);
    *answer = 1;
}

void SettingsModel::FindChildElement(XmlElement& parent, void** record, const std::string& where) {
    auto* name = static_cast<const char*>(record[0]);
    if (!CheckText(name, "name", where) || !CheckOutStartsNull(record[1], where)) return;
    calls_.push_back({kFindChildElement, parent.name, name});
    if (faults_.findsUnanswered) return;
    if (XmlElement* found = FindChild(parent, name); found != nullptr)
        record[1] = handles_.HandleOf(*found);
}

void SettingsModel::GetElementText(XmlElement& element, void** record, const std::string& where) {
    if (!CheckOutStartsNull(record[0], where)) return;
    calls_.push_back({kGetElementText, element.name, {}});
    if (faults_.nullElementText) return;
    // An element without text has none to point at, as XML libraries answer;
    // a host may point at an empty string instead.
    if (element.text.empty() && !faults_.emptyTextAsEmptyString) return;
    // The host keeps the text; it stays valid until the element changes.
    record[0] = const_cast<char*>(element.text.c_str());
}

void SettingsModel::SetElementText(XmlElement& element, void** record, const std::string& where) {
    auto* text = static_cast<const char*>(record[0]);
    if (!CheckText(text, "text", where)) return;
    calls_.push_back({kSetElementText, element.name, text});
    element.text = text;
    TellHostChange([&] {
        return where + ": settings element \"" + element.name + "\" set to \"" + element.text +
               "\"";
    });
}

}  // namespace sim
