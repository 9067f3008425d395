// The element handles the simulated host gives the plug-in. A handle is a
// number that is never reused, not an address: a handle of a removed element
// is recognised as stale instead of landing on whatever took its place.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "host/host_abi.h"
#include "simhost/xml_element_tree.h"

namespace sim {

class XmlHandleRegistry {
public:
    // The element's handle, made at its first use.
    MQXmlElement HandleOf(XmlElement& element);
    // The element behind `handle`, or null after reporting a null, stale or
    // unknown handle as a violation that names `where`.
    XmlElement* Resolve(MQXmlElement handle, const std::string& where) const;
    // Retires the handles of the element and everything below it.
    void Retire(const XmlElement& element);
    // Retires every handle (a new document replaces the old one).
    void RetireAll();

private:
    std::unordered_map<std::uintptr_t, XmlElement*> elements_;
    std::unordered_map<const XmlElement*, std::uintptr_t> numbers_;
    std::uintptr_t nextNumber_ = 1;  // never reset, so old handles stay stale
};

}  // namespace sim
