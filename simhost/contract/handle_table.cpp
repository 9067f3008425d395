#include "simhost/contract/handle_table.h"

namespace sim {

namespace {
// Tokens are spaced like aligned addresses so that they look like the
// pointers the plug-in expects, but they point at nothing.
constexpr std::uintptr_t kBase = 0x5EED00000000;
constexpr std::uintptr_t kStride = 16;
}  // namespace

const char* HandleKindName(HandleKind kind) {
    switch (kind) {
    case HandleKind::Document: return "document";
    case HandleKind::Object: return "object";
    case HandleKind::DrawObject: return "drawing object";
    case HandleKind::Scene: return "scene";
    case HandleKind::Element: return "element";
    }
    return "?";
}

void* HandleTable::Issue(HandleKind kind, void* target) {
    const std::uintptr_t token = kBase + kStride * (forgotten_ + entries_.size() + 1);
    sinceRetireAll_[static_cast<std::size_t>(kind)].push_back(forgotten_ + entries_.size());
    entries_.push_back(Entry{kind, target, false});
    return reinterpret_cast<void*>(token);
}

std::size_t HandleTable::SlotOf(const void* token) const {
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(token);
    if (value <= kBase || (value - kBase) % kStride != 0) return entries_.size();
    const std::uintptr_t number = (value - kBase) / kStride - 1;
    if (number < forgotten_) return entries_.size();
    const std::uintptr_t slot = number - forgotten_;
    return slot < entries_.size() ? slot : entries_.size();
}

const HandleTable::Entry* HandleTable::Find(const void* token) const {
    const std::size_t slot = SlotOf(token);
    return slot < entries_.size() ? &entries_[slot] : nullptr;
}

void HandleTable::Retire(const void* token) {
    const std::size_t slot = SlotOf(token);
    if (slot < entries_.size()) entries_[slot].target = nullptr;
}

void HandleTable::RetireAll(HandleKind kind) {
    std::vector<std::size_t>& issued = sinceRetireAll_[static_cast<std::size_t>(kind)];
    for (std::size_t number : issued) {
        if (number < forgotten_) continue;
        Entry& entry = entries_[number - forgotten_];
        if (entry.target != nullptr) entry.reset = true;
        entry.target = nullptr;
    }
    issued.clear();
    Forget();
}

void HandleTable::Forget() {
    if (entries_.size() < 2 * kRemembered) return;
    // Only stale entries go: a live one and everything after it stay.
    std::size_t drop = 0;
    while (drop < entries_.size() - kRemembered && entries_[drop].target == nullptr) ++drop;
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(drop));
    forgotten_ += drop;
}

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

}  // namespace sim
