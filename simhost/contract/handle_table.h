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
    // settings document replaced); the numbering goes on. Costs what was
    // issued since the last such call, not everything ever issued.
    void RetireAll(HandleKind kind);
    // Null when the token was never issued, or was issued so long ago (more
    // than kRemembered tokens before the newest, and stale) that the table
    // has let go of it: a process that resets the host millions of times
    // (a fuzzing campaign) keeps a bounded table.
    const Entry* Find(const void* token) const;

    static constexpr std::size_t kRemembered = std::size_t{1} << 20;

private:
    // The index of the token's entry in entries_; entries_.size() when it
    // has none.
    std::size_t SlotOf(const void* token) const;
    // Lets go of the oldest stale entries once there are twice as many as
    // are remembered.
    void Forget();

    std::vector<Entry> entries_;
    // Tokens issued before entries_[0]: forgotten.
    std::size_t forgotten_ = 0;
    // Per kind, entries issued since the last RetireAll of that kind.
    std::vector<std::size_t> sinceRetireAll_[5];
};

// The table of every handle the host gives out, for the whole run: a handle
// stays known, stale, after its thing is gone.
HandleTable& Handles();

}  // namespace sim
