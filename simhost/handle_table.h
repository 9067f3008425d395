// The simulated host's one table of the handles it gives out: documents,
// objects, drawing objects, scenes and settings elements alike. A handle is a
// token, never a pointer the host dereferences: the table tells a live handle
// from a stale one (its thing was deleted, or the host was reset since) and
// from one of another kind, so that a bad handle from the plug-in is
// reported, not followed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

enum class HandleKind { Document, Object, DrawObject, Scene, Element };

// "document", "object", "drawing object", "scene", "element".
const char* HandleKindName(HandleKind kind);

class HandleTable {
public:
    struct Entry {
        HandleKind kind;
        void* target;  // null once the thing is gone
        bool reset;    // gone because the host was reset
    };

    // A new token for `target`; tokens are never reused within a run.
    void* Issue(HandleKind kind, void* target);
    // The thing behind the token is deleted; the token stays known as stale.
    void Retire(const void* token);
    // Every token of `kind` becomes stale (the host is reset, or its
    // settings document replaced); the numbering goes on.
    void RetireAll(HandleKind kind);
    // Null when the token was never issued.
    const Entry* Find(const void* token) const;

private:
    // entries_.size() when the token was never issued.
    std::size_t SlotOf(const void* token) const;

    std::vector<Entry> entries_;
};

// The table of every handle the host gives out, for the whole run: a handle
// stays known, stale, after its thing is gone.
HandleTable& Handles();

}  // namespace sim
