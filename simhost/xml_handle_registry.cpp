#include "simhost/xml_handle_registry.h"

#include "simhost/violations.h"

namespace sim {

namespace {
// Handles are spread out and start high so that they read as handles in a
// dump and never look like a small integer or a real address.
constexpr std::uintptr_t kBase = 0x7E1E0000;
constexpr std::uintptr_t kStep = 0x10;

MQXmlElement ToHandle(std::uintptr_t number) {
    return reinterpret_cast<MQXmlElement>(kBase + number * kStep);
}
}  // namespace

MQXmlElement XmlHandleRegistry::HandleOf(XmlElement& element) {
    auto found = numbers_.find(&element);
    if (found != numbers_.end()) return ToHandle(found->second);
    std::uintptr_t number = nextNumber_++;
    numbers_[&element] = number;
    elements_[number] = &element;
    return ToHandle(number);
}

XmlElement* XmlHandleRegistry::Resolve(MQXmlElement handle, const std::string& where) const {
    if (handle == nullptr) {
        ReportViolation(where + ": null element");
        return nullptr;
    }
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    bool wellFormed = value >= kBase && (value - kBase) % kStep == 0;
    std::uintptr_t number = wellFormed ? (value - kBase) / kStep : 0;
    auto found = elements_.find(number);
    if (wellFormed && found != elements_.end()) return found->second;
    bool stale = wellFormed && number >= 1 && number < nextNumber_;
    ReportViolation(where + (stale ? ": stale element (removed or replaced)" : ": unknown element"));
    return nullptr;
}

void XmlHandleRegistry::Retire(const XmlElement& element) {
    for (const XmlElement& child : element.children) Retire(child);
    auto found = numbers_.find(&element);
    if (found == numbers_.end()) return;
    elements_.erase(found->second);
    numbers_.erase(found);
}

void XmlHandleRegistry::RetireAll() {
    elements_.clear();
    numbers_.clear();
}

}  // namespace sim
