// Event closures: a host event of one widget bound to a member function of
// the widget object that registered it.
#pragma once

#include <cstdint>

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

// True when the wrapper registered under `targetId` is `target` itself, with
// the serial it had when the closure was made. An owner that was destroyed
// has left the registry; an id that the host has since given to a new widget
// names another wrapper, and one that took the dead owner's address too
// carries another serial: in every case the owner's function must not be
// called. [ui-thread]
bool IsLiveTarget(int targetId, const MQWidgetBase* target, std::uint64_t targetSerial);

// What both closure kinds hold: the owner, its widget id and serial when
// bound, and the owner's member function of type `Method`. The owner is a
// widget wrapper (T derives from MQWidgetBase).
template <typename T, typename Method>
class MQWidgetClosureOf : public MQWidgetEventClosureBase {
public:
    using MethodType = Method;

    bool IsEqual(const MQWidgetEventClosureBase& other) const override {
        auto* same = dynamic_cast<const MQWidgetClosureOf*>(&other);
        return same != nullptr && same->target_ == target_ && same->method_ == method_;
    }
    MQWidgetBase* GetTarget() const override { return target_; }

protected:
    MQWidgetClosureOf(T* target, int targetId, Method method)
        : target_(target),
          targetId_(targetId),
          targetSerial_(target != nullptr ? target->GetSerial() : 0),
          method_(method) {}
    bool OwnerIsLive() const { return IsLiveTarget(targetId_, target_, targetSerial_); }

    T* target_;
    int targetId_;
    std::uint64_t targetSerial_;
    Method method_;
};

// Binds an event without a record: (sender, document) -> int.
template <typename T>
class MQWidgetEventClosure
    : public MQWidgetClosureOf<T, int (T::*)(MQWidgetBase* sender, MQDocument document)> {
    using Base = MQWidgetClosureOf<T, int (T::*)(MQWidgetBase* sender, MQDocument document)>;

public:
    using Method = typename Base::MethodType;

    MQWidgetEventClosure(T* target, int targetId, Method method) : Base(target, targetId, method) {}

    int Invoke(MQWidgetBase* sender, MQDocument document, const WidgetEventRecord&) override {
        if (!this->OwnerIsLive()) return 0;
        return (this->target_->*this->method_)(sender, document);
    }
};

// Binds a mouse event: (sender, document, mouse record) -> int.
template <typename T>
class MQWidgetMouseEventClosure
    : public MQWidgetClosureOf<T, int (T::*)(MQWidgetBase* sender, MQDocument document,
                                             WidgetMouseParam& param)> {
    using Base = MQWidgetClosureOf<T, int (T::*)(MQWidgetBase* sender, MQDocument document,
                                                 WidgetMouseParam& param)>;

public:
    using Method = typename Base::MethodType;

    MQWidgetMouseEventClosure(T* target, int targetId, Method method)
        : Base(target, targetId, method) {}

    int Invoke(MQWidgetBase* sender, MQDocument document,
               const WidgetEventRecord& record) override {
        // A mouse handler bound to an event of another kind has no record
        // to read.
        if (record.mouse == nullptr) return 0;
        if (!this->OwnerIsLive()) return 0;
        return (this->target_->*this->method_)(sender, document, *record.mouse);
    }
};
