// The settings element handles the simulated host gives the plug-in, kept in
// the host's one handle table: a handle of a removed element is recognised as
// stale instead of landing on whatever took its place, and a handle of
// another kind is told apart from an element's.
#pragma once

#include <string>
#include <unordered_map>

#include "host/host_abi.h"
#include "simhost/settings/xml_element_tree.h"

namespace sim {

class XmlHandleRegistry {
public:
    // The element's handle, made at its first use.
    MQXmlElement HandleOf(XmlElement& element);
    // The element behind `handle`, or null after reporting a null, stale,
    // unknown or other kind of handle as a violation that names `where`.
    XmlElement* Resolve(MQXmlElement handle, const std::string& where) const;
    // Retires the handles of the element and everything below it.
    void Retire(const XmlElement& element);
    // Retires every element handle (a new document replaces the old one).
    void RetireAll();

private:
    std::unordered_map<const XmlElement*, MQXmlElement> handles_;  // live elements only
};

}  // namespace sim
