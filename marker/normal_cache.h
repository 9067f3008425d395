// A marker slot's mean normals by vertex unique id, kept as one list in the
// order the normals refresh met the vertices, with the vertex index it met
// each one at. A draw pass finds a placed vertex's normal through that index
// (the list and the pass walk the object in much the same order); a look-up
// by unique id, for a vertex the object has renumbered since, builds a hash
// index on first use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "containers/dense_hash.h"

class NormalCache {
public:
    using Normal = std::array<float, 3>;
    struct Entry {
        int uniqueId;
        int vertex;  // where the refresh met it; -1 when not known
        Normal normal;
    };

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::vector<Entry>& Entries() const { return entries_; }

    // Empties the cache; its room stays for the next refresh. [any time]
    void clear() {
        entries_.clear();
        byId_.clear();
        indexed_ = false;
    }
    // Room for `count` normals without growing. [any time]
    void reserve(std::size_t count) { entries_.reserve(count); }

    // Enters the normal of the vertex met at `vertex` with that unique id;
    // a unique id entered before takes the new normal. [normals refresh]
    void Add(int uniqueId, int vertex, const Normal& normal) {
        // Without the index a repeated id (which a host gives no two
        // vertices) is entered again; the index, once built, takes the last.
        if (indexed_) {
            if (const auto found = byId_.find(uniqueId); found != byId_.end()) {
                entries_[found->second] = {uniqueId, vertex, normal};
                return;
            }
        }
        entries_.push_back({uniqueId, vertex, normal});
        if (!indexed_) return;
        // An entry the index could not take goes again: list and index agree.
        try {
            byId_.try_emplace(uniqueId, static_cast<std::uint32_t>(entries_.size() - 1));
        } catch (...) {
            entries_.pop_back();
            throw;
        }
    }
    // The normal kept under the unique id, made zero when there is none.
    // [any time]
    Normal& operator[](int uniqueId) {
        std::size_t at = PlaceOf(uniqueId);
        if (at == entries_.size()) Add(uniqueId, -1, Normal{0.0f, 0.0f, 0.0f});
        return entries_[at].normal;
    }
    // The normal kept under the unique id, or null. [any time]
    const Normal* Find(int uniqueId) const {
        const std::size_t at = PlaceOf(uniqueId);
        return at < entries_.size() ? &entries_[at].normal : nullptr;
    }

private:
    // The entry's place, or size() when there is none.
    std::size_t PlaceOf(int uniqueId) const {
        if (entries_.empty()) return 0;
        if (!indexed_) {
            // Built aside: memory running out leaves the cache without an
            // index, as it was, and the next look-up builds it again.
            DenseHashMap<int, std::uint32_t> index;
            index.reserve(entries_.size());
            for (std::size_t i = 0; i < entries_.size(); ++i)
                index[entries_[i].uniqueId] = static_cast<std::uint32_t>(i);
            std::swap(byId_, index);
            indexed_ = true;
        }
        const auto found = byId_.find(uniqueId);
        return found != byId_.end() ? found->second : entries_.size();
    }

    std::vector<Entry> entries_;
    // Unique id -> place in entries_: built by the first look-up by id, kept
    // up to date from then on, emptied with the cache.
    mutable DenseHashMap<int, std::uint32_t> byId_;
    mutable bool indexed_ = false;
};
