// The process-wide map from a host widget id to the wrapper that answers for
// it. Events from the host find their widget only through here.
#pragma once

#include <cstddef>
#include <map>

class MQWidgetBase;

class WidgetRegistry {
public:
    constexpr WidgetRegistry() = default;
    WidgetRegistry(const WidgetRegistry&) = delete;
    WidgetRegistry& operator=(const WidgetRegistry&) = delete;

    // Enters id -> widget unless the id is 0 or already present: the first
    // entry stays. True when entered. Throws only on allocation failure.
    // [ui-thread]
    bool Insert(int id, MQWidgetBase* widget);
    // Erases the entry under `id`, whichever wrapper it names. [ui-thread]
    void Erase(int id);
    // Erases the entry under `id` only when it names `widget`: a wrapper that
    // was not entered (its id was taken first) must not remove the wrapper
    // that was. [ui-thread]
    void Erase(int id, const MQWidgetBase* widget);
    // The wrapper entered under `id`, or null. [ui-thread]
    MQWidgetBase* Find(int id) const;
    std::size_t Size() const;

private:
    using Map = std::map<int, MQWidgetBase*>;
    // Allocated with the first entry and freed with the last, so that the
    // registry has nothing to destroy at unload: it stays usable while the
    // plug-in object tears down its widgets, whatever order the module's
    // static objects are destroyed in.
    Map* entries_ = nullptr;
};

// The single registry, constant-initialised while the module loads.
WidgetRegistry& TheWidgetRegistry();
