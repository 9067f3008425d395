#include "widgets/widget_base.h"

#include <utility>

#include "host/host_api.h"
#include "widgets/widget_event_proc.h"
#include "widgets/widget_messages.h"
#include "widgets/widget_registry.h"
#include "widgets/window_base.h"

namespace {
// Serials handed out so far; the UI thread alone makes wrappers.
constinit std::uint64_t g_lastSerial = 0;

void DestroyAtHost(int id) {
    KeyValuePair list[] = {{nullptr, nullptr}};
    host::WidgetValue(id, widget_message::kDestroy, list);
}
}  // namespace

MQWidgetBase::MQWidgetBase(const char* hostClass) : serial(++g_lastSerial) {
    int created = 0;
    KeyValuePair list[] = {
        {"type", const_cast<char*>(hostClass)}, {"id", &created}, {nullptr, nullptr}};
    host::WidgetValue(0, widget_message::kCreate, list);
    if (created == 0) return;
    id = created;
    owned = true;
    try {
        TheWidgetRegistry().Insert(id, this);
    } catch (...) {
        // No destructor runs for a half-made wrapper: the host widget would
        // be left behind.
        DestroyAtHost(id);
        throw;
    }
}

MQWidgetBase::MQWidgetBase(int existingId) : id(existingId), serial(++g_lastSerial) {
    TheWidgetRegistry().Insert(id, this);
}

MQWidgetBase::~MQWidgetBase() {
    if (id != 0) {
        // From here on no event reaches this wrapper. A second wrapper of an
        // id that was registered first leaves the first one's entry alone.
        TheWidgetRegistry().Erase(id, this);
        if (owned) DestroyAtHost(id);
        id = 0;
        owned = false;
    }
    handlers.clear();
}

void MQWidgetBase::Abandon() {
    if (id != 0) TheWidgetRegistry().Erase(id, this);
    id = 0;
    owned = false;
}

int MQWidgetBase::AddChild(MQWidgetBase* child) {
    if (child == nullptr) return -1;
    int childId = child->GetID();
    int result = -1;
    KeyValuePair list[] = {{"child", &childId}, {"result", &result}, {nullptr, nullptr}};
    host::WidgetValue(id, widget_message::kAddChild, list);
    return result;
}

void MQWidgetBase::AddChildWindow(MQWindowBase* child) {
    if (child == nullptr) return;
    int childId = child->GetID();
    int result = -1;
    KeyValuePair list[] = {{"child", &childId}, {"result", &result}, {nullptr, nullptr}};
    host::WidgetValue(id, widget_message::kAddChildWindow, list);
}

void MQWidgetBase::AddEventHandler(const char* type, ClosurePtr closure) {
    if (closure == nullptr) return;
    bool prior = false;
    WidgetEventProcType proc = &WidgetEventProc;
    KeyValuePair list[] = {{"type", const_cast<char*>(type)},
                           {"proc", reinterpret_cast<void*>(proc)},
                           {"pointer", closure.get()},
                           {"prior", &prior},
                           {nullptr, nullptr}};
    // Kept before the host learns the address, so that the host never holds
    // the address of a closure that nothing keeps alive.
    handlers.push_back(std::move(closure));
    host::WidgetValue(id, widget_message::kAddEvent, list);
}
