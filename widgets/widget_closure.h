// Event closures: a host event of one widget bound to a member function of
// the widget object that registered it.
#pragma once

#include "host/host_abi.h"
#include "widgets/widget_params.h"

class MQWidgetBase;
class MQCanvas;

// The parameter record that the routing built for one event: at most one
// field is set, by the kind of the event's name.
struct WidgetEventRecord {
    WidgetMouseParam* mouse = nullptr;  // mouse events
    WidgetKeyParam* key = nullptr;      // "keydown", "keyup"
    MQCanvas* canvas = nullptr;         // "paint"
};

class MQWidgetEventClosureBase {
public:
    virtual ~MQWidgetEventClosureBase() = default;
    // Calls the owner's member function; returns its result, or 0 when it
    // was not called (the owner is gone, or the event lacks the record the
    // function takes). `sender` may be null. [ui-thread]
    virtual int Invoke(MQWidgetBase* sender, MQDocument document,
                       const WidgetEventRecord& record) = 0;
    // Same concrete kind, same owner object, same member function.
    virtual bool IsEqual(const MQWidgetEventClosureBase& other) const = 0;
    // The owner object; not owned.
    virtual MQWidgetBase* GetTarget() const = 0;
};

// True when the wrapper registered under `targetId` is `target` itself. An
// owner that was destroyed has left the registry, and an id that the host
// has since given to a new widget names another wrapper: either way the
// owner's function must not be called.
bool IsLiveTarget(int targetId, const MQWidgetBase* target);

// Binds an event without a record: (sender, document) -> int.
template <typename T>
class MQWidgetEventClosure : public MQWidgetEventClosureBase {
public:
    using Method = int (T::*)(MQWidgetBase* sender, MQDocument document);

    MQWidgetEventClosure(T* target, int targetId, Method method)
        : target_(target), targetId_(targetId), method_(method) {}

    int Invoke(MQWidgetBase* sender, MQDocument document, const WidgetEventRecord&) override {
        if (!IsLiveTarget(targetId_, target_)) return 0;
        return (target_->*method_)(sender, document);
    }
    bool IsEqual(const MQWidgetEventClosureBase& other) const override {
        auto* same = dynamic_cast<const MQWidgetEventClosure*>(&other);
        return same != nullptr && same->target_ == target_ && same->method_ == method_;
    }
    MQWidgetBase* GetTarget() const override { return target_; }

private:
    T* target_;
    int targetId_;
    Method method_;
};

// Binds a mouse event: (sender, document, mouse record) -> int.
template <typename T>
class MQWidgetMouseEventClosure : public MQWidgetEventClosureBase {
public:
    using Method = int (T::*)(MQWidgetBase* sender, MQDocument document, WidgetMouseParam& param);

    MQWidgetMouseEventClosure(T* target, int targetId, Method method)
        : target_(target), targetId_(targetId), method_(method) {}

    int Invoke(MQWidgetBase* sender, MQDocument document,
               const WidgetEventRecord& record) override {
        // A mouse handler bound to an event of another kind has no record
        // to read.
        if (record.mouse == nullptr) return 0;
        if (!IsLiveTarget(targetId_, target_)) return 0;
        return (target_->*method_)(sender, document, *record.mouse);
    }
    bool IsEqual(const MQWidgetEventClosureBase& other) const override {
        auto* same = dynamic_cast<const MQWidgetMouseEventClosure*>(&other);
        return same != nullptr && same->target_ == target_ && same->method_ == method_;
    }
    MQWidgetBase* GetTarget() const override { return target_; }

private:
    T* target_;
    int targetId_;
    Method method_;
};
