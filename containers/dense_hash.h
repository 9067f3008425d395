// Hash containers for the markers' integer keys (unique ids, vertex indices,
// line keys): the elements lie in one array in the order they were first
// inserted, and an open-addressing index of positions finds them. Nothing is
// allocated per element, iterating is walking an array, and a key costs its
// own bytes plus two to four 32-bit index entries.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <vector>

namespace dense_hash {

// The element's key: a set's element is its key, a map's the pair's first.
template <typename Key>
struct KeyOfSet {
    Key operator()(const Key& key) const { return key; }
};
struct KeyOfPair {
    template <typename Pair>
    auto operator()(const Pair& pair) const {
        return pair.first;
    }
};

// The shared part of the set and the map: the element array and its index.
// The index is kept at most half full.
template <typename Key, typename Element, typename KeyOf>
class Table {
    static_assert(std::is_integral_v<Key>, "keys are integers");

public:
    using value_type = Element;
    using iterator = typename std::vector<Element>::iterator;
    using const_iterator = typename std::vector<Element>::const_iterator;

    std::size_t size() const { return elements_.size(); }
    bool empty() const { return elements_.empty(); }
    const_iterator begin() const { return elements_.begin(); }
    const_iterator end() const { return elements_.end(); }

    // Empties the container; its room stays for the next filling. [any time]
    void clear() {
        elements_.clear();
        index_.assign(index_.size(), 0);
    }
    // Room for `count` elements in all without growing. [any time]
    void reserve(std::size_t count) {
        elements_.reserve(count);
        if (2 * count > index_.size()) Rebuild(2 * count);
    }
    bool contains(Key key) const { return !index_.empty() && index_[Probe(key)] != 0; }
    std::size_t count(Key key) const { return contains(key) ? 1 : 0; }

protected:
    // Position of the key among the elements, or size() when absent.
    std::size_t PositionOf(Key key) const {
        if (index_.empty()) return elements_.size();
        const std::uint32_t at = index_[Probe(key)];
        return at != 0 ? at - 1 : elements_.size();
    }

    // The key's element, made from `args` when the key is new; whether it was.
    template <typename... Args>
    std::pair<iterator, bool> Emplace(Key key, Args&&... args) {
        if (2 * (elements_.size() + 1) > index_.size()) Rebuild(2 * (elements_.size() + 1));
        std::uint32_t& at = index_[Probe(key)];
        if (at != 0) return {elements_.begin() + (at - 1), false};
        elements_.emplace_back(std::forward<Args>(args)...);
        at = static_cast<std::uint32_t>(elements_.size());
        return {elements_.end() - 1, true};
    }

    std::vector<Element> elements_;

private:
    // Where the key's search starts. Keys are host ids, and ids that lie close
    // together are met close together when a mesh is walked in order. So a
    // run of 256 ids shares one block of 256 index entries, in their own
    // order (turned by an amount of the run's own, so that runs sharing a
    // block do not pile onto the same entries): a walk in order moves through
    // the index as it moves through the mesh instead of touching a new part
    // of it at every key. A 64-bit key, two ids, shares a block with the keys
    // whose ids lie in the same runs of 16, at a place within the block
    // chosen by hashing. Blocks are placed by Fibonacci hashing of the run.
    // At most 256 keys share a block, so a search never walks far, whatever
    // the keys.
    std::size_t Home(Key key) const {
        using Unsigned = std::make_unsigned_t<Key>;
        const auto bits = static_cast<std::uint64_t>(static_cast<Unsigned>(key));
        const std::uint64_t blockMask = (std::uint64_t{1} << blockBits_) - 1;
        std::uint64_t run = bits >> blockBits_;
        std::uint64_t offset = bits + ((run * 0xC2B2AE3D27D4EB4Full) >> (64 - blockBits_));
        if constexpr (sizeof(Key) == 8) {
            const int half = blockBits_ / 2;
            run = ((bits >> 32) >> half << 32) | ((bits & 0xFFFFFFFFull) >> half);
            offset = (bits * 0xC2B2AE3D27D4EB4Full) >> (64 - blockBits_);
        }
        const std::uint64_t block = (run * 0x9E3779B97F4A7C15ull) >> shift_;
        return static_cast<std::size_t>(block << blockBits_ | (offset & blockMask));
    }

    // The index entry that holds the key, or the empty entry where it would go.
    std::size_t Probe(Key key) const {
        const std::size_t mask = index_.size() - 1;
        std::size_t slot = Home(key);
        while (index_[slot] != 0 && KeyOf{}(elements_[index_[slot] - 1]) != key)
            slot = (slot + 1) & mask;
        return slot;
    }

    // An index of at least `entries` entries (a power of two), refilled.
    void Rebuild(std::size_t entries) {
        std::size_t capacity = 32;
        int bits = 5;
        while (capacity < entries) {
            capacity *= 2;
            ++bits;
        }
        // The new index is made before anything changes: memory running out
        // leaves the container as it was.
        std::vector<std::uint32_t> index(capacity, 0);
        index_.swap(index);
        // At least two blocks, so that the shift stays below 64; small
        // indices have smaller blocks.
        blockBits_ = bits - 1 < kBlockBits ? bits - 1 : kBlockBits;
        shift_ = 64 - (bits - blockBits_);
        for (std::size_t i = 0; i < elements_.size(); ++i)
            index_[Probe(KeyOf{}(elements_[i]))] = static_cast<std::uint32_t>(i + 1);
    }

    static constexpr int kBlockBits = 8;

    std::vector<std::uint32_t> index_;  // position + 1 of an element, 0 for none
    int blockBits_ = 4;                 // log2(entries per block)
    int shift_ = 63;                    // 64 - log2(number of blocks)
};

}  // namespace dense_hash

// A set of integer keys, iterated in the order they were first inserted.
template <typename Key>
class DenseHashSet : public dense_hash::Table<Key, Key, dense_hash::KeyOfSet<Key>> {
    using Base = dense_hash::Table<Key, Key, dense_hash::KeyOfSet<Key>>;

public:
    DenseHashSet() = default;
    DenseHashSet(std::initializer_list<Key> keys) { *this = keys; }
    DenseHashSet& operator=(std::initializer_list<Key> keys) {
        this->clear();
        for (Key key : keys) insert(key);
        return *this;
    }

    // Adds the key unless it is there; the key's place, and whether it was
    // added. [any time]
    std::pair<typename Base::const_iterator, bool> insert(Key key) {
        return this->Emplace(key, key);
    }

    // Equal when both hold the same keys, in whatever order.
    friend bool operator==(const DenseHashSet& a, const DenseHashSet& b) { return SameKeys(a, b); }
    friend bool operator==(const DenseHashSet& a, const std::unordered_set<Key>& b) {
        return SameKeys(a, b);
    }

private:
    template <typename Other>
    static bool SameKeys(const DenseHashSet& a, const Other& b) {
        if (a.size() != b.size()) return false;
        for (Key key : a) {
            if (!b.contains(key)) return false;
        }
        return true;
    }
};

// A map from integer keys to values, iterated in the order the keys were
// first inserted. Keys are not changed through an iterator.
template <typename Key, typename Value>
class DenseHashMap : public dense_hash::Table<Key, std::pair<Key, Value>, dense_hash::KeyOfPair> {
    using Base = dense_hash::Table<Key, std::pair<Key, Value>, dense_hash::KeyOfPair>;

public:
    using typename Base::const_iterator;
    using typename Base::iterator;

    // The key's value, default-made when the key is new. [any time]
    Value& operator[](Key key) { return try_emplace(key).first->second; }
    // The key's entry, with a value made from `args` when the key is new;
    // whether it was new. [any time]
    template <typename... Args>
    std::pair<iterator, bool> try_emplace(Key key, Args&&... args) {
        return this->Emplace(key, std::piecewise_construct, std::forward_as_tuple(key),
                             std::forward_as_tuple(std::forward<Args>(args)...));
    }
    const_iterator find(Key key) const {
        return this->begin() + static_cast<std::ptrdiff_t>(this->PositionOf(key));
    }
};
