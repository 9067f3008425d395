// The widget messages that read and set one property of a widget, with the
// checks both share.
#include "simhost/widgets/widget_model.h"

#include <optional>
#include <string>

#include "simhost/contract/violations.h"
#include "simhost/host_changes.h"
#include "simhost/widgets/widget_calls.h"

namespace sim {

WidgetModel::PropertyCall WidgetModel::CheckPropertyCall(int id, KeyValuePair* list,
                                                         const MessagePlace& where,
                                                         const char* verb) {
    PropertyCall call;
    if (CountPairs(list) != 1) {
        ReportViolation(where + ": a " + verb + " carries exactly one property, got " +
                        std::to_string(CountPairs(list)));
        return call;
    }
    const std::string name = list[0].key;
    // The wrapper of a refused creation goes on with id 0, with the
    // properties of its class.
    const PropertyInfo* refusedProperty = nullptr;
    if (id == 0) {
        RefusedOne([&](const std::string& refused) {
            refusedProperty = FindPropertyInfo(refused, name);
            return refusedProperty != nullptr;
        });
    }
    Widget* widget = nullptr;
    const PropertyInfo* propertyInfo = refusedProperty;
    if (refusedProperty == nullptr) {
        widget = Addressed(id, where);
        if (widget == nullptr) return call;
        propertyInfo = FindPropertyInfo(widget->widgetClass, name);
        if (propertyInfo == nullptr) {
            ReportViolation(where + ": " + DescribeWidget(id, widget->widgetClass) +
                            " has no property \"" + name + "\"");
            return call;
        }
    }
    if (list[0].value == nullptr) {
        ReportViolation(where + ": \"" + name + "\" has a null value pointer");
        return call;
    }
    call.widget = widget;
    call.propertyInfo = propertyInfo;
    call.refused = widget == nullptr;
    return call;
}

int WidgetModel::GetProperty(int id, KeyValuePair* list, const MessagePlace& where) {
    PropertyCall call = CheckPropertyCall(id, list, where, "read");
    if (call.propertyInfo == nullptr) return 0;
    const std::string name = list[0].key;
    if (!IsReadableForm(call.propertyInfo->form)) {
        ReportViolation(where + ": \"" + name + "\" (" + FormName(call.propertyInfo->form) +
                        ") cannot be read through an out variable");
        return 0;
    }
    if (call.refused) return Ignore();
    if (readsUnanswered_) return 1;
    WriteValue(call.widget->properties.at(name), list[0].value);
    return 1;
}

int WidgetModel::SetProperty(int id, KeyValuePair* list, const MessagePlace& where) {
    PropertyCall call = CheckPropertyCall(id, list, where, "set");
    if (call.propertyInfo == nullptr) return 0;
    const std::string name = list[0].key;
    std::string problem;
    std::optional<PropertyValue> value = ReadValue(*call.propertyInfo, list[0].value, problem);
    if (!value) {
        ReportViolation(where + ": \"" + name + "\" is not in its form (" +
                        FormName(call.propertyInfo->form) + "): " + problem);
        return 0;
    }
    if (call.refused) return Ignore();
    call.widget->properties[name] = *value;
    TellHostChange([&] { return where + ": \"" + name + "\" set to " + Describe(*value); });
    return 1;
}

}  // namespace sim
