#include "simhost/settings/xml_handle_registry.h"

#include "simhost/contract/handle_table.h"
#include "simhost/contract/violations.h"

namespace sim {

MQXmlElement XmlHandleRegistry::HandleOf(XmlElement& element) {
    auto found = handles_.find(&element);
    if (found != handles_.end()) return found->second;
    auto handle = static_cast<MQXmlElement>(Handles().Issue(HandleKind::Element, &element));
    handles_.emplace(&element, handle);
    return handle;
}

XmlElement* XmlHandleRegistry::Resolve(MQXmlElement handle, const std::string& where) const {
    if (handle == nullptr) {
        ReportViolation(where + ": null element");
        return nullptr;
    }
    const HandleTable::Entry* entry = Handles().Find(handle);
    if (entry == nullptr) {
        ReportViolation(where + ": unknown element");
        return nullptr;
    }
    if (entry->kind != HandleKind::Element) {
        ReportViolation(where + ": " + HandleKindName(entry->kind) +
                        " handle where an element is expected");
        return nullptr;
    }
    if (entry->target == nullptr) {
        ReportViolation(where + ": stale element (removed or replaced)");
        return nullptr;
    }
    return static_cast<XmlElement*>(entry->target);
}

void XmlHandleRegistry::Retire(const XmlElement& element) {
    for (const XmlElement& child : element.children) Retire(child);
    auto found = handles_.find(&element);
    if (found == handles_.end()) return;
    Handles().Retire(found->second);
    handles_.erase(found);
}

void XmlHandleRegistry::RetireAll() {
    Handles().RetireAll(HandleKind::Element);
    handles_.clear();
}

}  // namespace sim
