// The wrapper over one host widget id: creation and destruction at the host,
// registration for events, children and event handlers.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/host_abi.h"
#include "widgets/widget_closure.h"

class MQWindowBase;

class MQWidgetBase {
public:
    using ClosurePtr = std::shared_ptr<MQWidgetEventClosureBase>;

    // Erases the registry entry under the id when it names this wrapper and,
    // when this wrapper created the host widget, destroys it at the host;
    // then releases the closures. [ui-thread]
    virtual ~MQWidgetBase();
    MQWidgetBase(const MQWidgetBase&) = delete;
    MQWidgetBase& operator=(const MQWidgetBase&) = delete;

    // The host's id; 0 when there is no host widget.
    int GetID() const { return id; }
    // True when this wrapper created the host widget and will destroy it.
    bool IsOwned() const { return owned; }
    // Number of this wrapper among all wrappers made in the process, from 1;
    // never given twice, so a later wrapper at the same address with the
    // same id is still told apart. [any time]
    std::uint64_t GetSerial() const { return serial; }
    // Every closure registered on this widget, in registration order.
    const std::vector<ClosurePtr>& GetHandlers() const { return handlers; }

    // Lets go of the host widget without a word to the host: the registry
    // entry goes and the wrapper will not destroy the widget. For a module
    // unloaded while the host still holds its widgets: the host tears them
    // down with its own windows. [ui-thread]
    virtual void Abandon();

    // Appends `child` to this widget's children at the host; the host's
    // answer, -1 when it writes none or `child` is null. [ui-thread]
    int AddChild(MQWidgetBase* child);
    // Makes `child` (a window or dialog) a child window of this one; a null
    // child makes no call. [ui-thread]
    void AddChildWindow(MQWindowBase* child);
    // Registers `closure` for the event `type` with the host and keeps it
    // alive with this wrapper, whatever the host answers. [ui-thread]
    void AddEventHandler(const char* type, ClosurePtr closure);

    // Binds "leftdown" / "rightdown" to owner->method, which receives the
    // mouse record. The owner is a widget; the binding calls it only while
    // it is alive. [ui-thread]
    template <typename T>
    void AddLeftDownHandler(T* owner, typename MQWidgetMouseEventClosure<T>::Method method) {
        AddMouseHandler("leftdown", owner, method);
    }
    template <typename T>
    void AddRightDownHandler(T* owner, typename MQWidgetMouseEventClosure<T>::Method method) {
        AddMouseHandler("rightdown", owner, method);
    }
    // Binds "execute" / "changing" / "hide" to owner->method (no record).
    template <typename T>
    void AddExecuteHandler(T* owner, typename MQWidgetEventClosure<T>::Method method) {
        AddPlainHandler("execute", owner, method);
    }
    template <typename T>
    void AddChangingHandler(T* owner, typename MQWidgetEventClosure<T>::Method method) {
        AddPlainHandler("changing", owner, method);
    }
    template <typename T>
    void AddHideHandler(T* owner, typename MQWidgetEventClosure<T>::Method method) {
        AddPlainHandler("hide", owner, method);
    }

protected:
    // Asks the host to create a widget of `hostClass`; a nonzero answer makes
    // the wrapper owned and registered. [ui-thread, after MQInit]
    explicit MQWidgetBase(const char* hostClass);
    // Wraps a widget that the host already has; never destroys it.
    explicit MQWidgetBase(int existingId);

    int id = 0;
    bool owned = false;
    std::vector<ClosurePtr> handlers;

private:
    const std::uint64_t serial;

    template <typename T>
    void AddMouseHandler(const char* type, T* owner,
                         typename MQWidgetMouseEventClosure<T>::Method method) {
        AddEventHandler(
            type, std::make_shared<MQWidgetMouseEventClosure<T>>(owner, owner->GetID(), method));
    }
    template <typename T>
    void AddPlainHandler(const char* type, T* owner,
                         typename MQWidgetEventClosure<T>::Method method) {
        AddEventHandler(type,
                        std::make_shared<MQWidgetEventClosure<T>>(owner, owner->GetID(), method));
    }
};
