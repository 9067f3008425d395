// A set of unsigned integer keys kept as one sorted array, for sets that are
// filled many keys at a time and then walked: a batch of keys is sorted by
// radix, freed of repeats and merged in, so filling touches memory in order
// instead of at a random place per key, and a key costs its own bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <vector>

namespace sorted_keys {

// The bits of one radix pass: (key >> shift) & (2^width - 1).
struct Digit {
    int shift;
    int width;
};

// Digits of at most this many bits: a pass counts into at most 2048 buckets,
// whose counts and current cache lines stay in the fastest caches.
constexpr int kMaxDigitBits = 11;
// Fewer keys than this are sorted by comparison: a radix pass has more
// set-up than such a sort has work.
constexpr std::size_t kRadixFrom = 256;

// The passes that sort keys in which only the bits in `varying` differ. Each
// 32-bit word of the key is taken on its own, from its lowest to its highest
// differing bit, in equal digits: bits that every key shares cost no pass,
// as the unused high bits of small ids do in both halves of a line's key.
template <typename Key>
std::vector<Digit> PlanDigits(Key varying) {
    std::vector<Digit> digits;
    for (int word = 0; word < static_cast<int>(sizeof(Key) * 8); word += 32) {
        const auto bits = static_cast<std::uint32_t>(static_cast<std::uint64_t>(varying) >> word);
        if (bits == 0) continue;
        int low = 0;
        while ((bits >> low & 1u) == 0) ++low;
        int high = 31;
        while ((bits >> high & 1u) == 0) --high;
        const int span = high - low + 1;
        const int count = (span + kMaxDigitBits - 1) / kMaxDigitBits;
        const int width = (span + count - 1) / count;
        for (int shift = low; shift <= high; shift += width)
            digits.push_back({word + shift, std::min(width, high + 1 - shift)});
    }
    return digits;
}

// Room left free before each bucket of a pass's output, in keys (one cache
// line). Without it, keys spread evenly over the buckets (as the ids of a
// mesh are) start every bucket a multiple of 4 KiB apart, the pass writes to
// all buckets in step, and every write lands in the same few cache sets.
constexpr std::size_t kBucketGap = 64 / sizeof(std::uint64_t);

// More keys than this (a megabyte of 8-byte keys, half an L2 cache of
// today's machines) are first split by their most significant digit, and
// each part is sorted on its own: a part stays in the cache, where a pass
// over all of them writes to thousands of pages at once and misses the TLB.
// Keys that come nearly in order, as a face walk gives a mesh's lines, also
// go to the same part one after the other, so the split itself writes
// almost in order.
constexpr std::size_t kSplitFrom = std::size_t{1} << 17;

// Runs of keys with the same high word longer than this are put in order by
// radix passes over the low word; shorter ones by insertion.
constexpr std::size_t kShortRun = 32;

// One digit of a key, as a bucket number.
template <typename Key>
struct DigitOf {
    explicit DigitOf(const Digit& digit)
        : shift(digit.shift), mask(static_cast<Key>((Key{1} << digit.width) - 1)) {}
    std::size_t operator()(Key key) const {
        return static_cast<std::size_t>((key >> shift) & mask);
    }
    int shift;
    Key mask;
};

// Counts the keys of [first, last) per bucket of the digit, into two sets of
// counts: one for keys at even places and one for keys at odd places. Keys
// in nearly sorted order fall into the same bucket one after the other, and
// with one set each count would wait for the last.
template <typename Key>
void CountPerBucket(const Key* first, const Key* last, DigitOf<Key> digit, std::uint32_t* even,
                    std::uint32_t* odd) {
    for (; last - first >= 2; first += 2) {
        ++even[digit(first[0])];
        ++odd[digit(first[1])];
    }
    if (first != last) ++even[digit(*first)];
}

// Moves the keys of [first, last), in order, to their bucket's next place in
// `to`. Two keys at a time: when both go to the same bucket (nearly sorted
// keys mostly do) the second one's place is taken from the first one's
// rather than from the count the first one has only just advanced.
template <typename Key, typename Place>
void MoveToBuckets(const Key* first, const Key* last, DigitOf<Key> digit, Place* next, Key* to) {
    for (; last - first >= 2; first += 2) {
        const Key one = first[0];
        const Key two = first[1];
        const std::size_t bucketOne = digit(one);
        const std::size_t bucketTwo = digit(two);
        const Place same = bucketOne == bucketTwo ? 1 : 0;
        const Place placeOne = next[bucketOne];
        const Place placeTwo = same != 0 ? placeOne + 1 : next[bucketTwo];
        next[bucketTwo] = placeTwo + 1;
        next[bucketOne] = placeOne + 1 + same;
        to[placeOne] = one;
        to[placeTwo] = two;
    }
    if (first != last) {
        const Key key = *first;
        to[next[digit(key)]++] = key;
    }
}

// Sorts the `n` keys at `keys` by `digits`, least significant first, with
// `room` for as many keys, and returns where the sorted keys are: at `keys`
// or in `room`, whichever the last pass wrote. For parts that fit the cache:
// no gaps between buckets.
template <typename Key>
Key* SortPartSomewhere(Key* keys, Key* room, std::size_t n, const std::vector<Digit>& digits,
                       std::vector<std::uint32_t>& counts) {
    if (n < kRadixFrom) {
        std::sort(keys, keys + n);
        return keys;
    }
    Key* from = keys;
    Key* to = room;
    for (const Digit& digit : digits) {
        const std::size_t buckets = std::size_t{1} << digit.width;
        counts.assign(2 * buckets, 0);
        std::uint32_t* const next = counts.data();
        CountPerBucket(from, from + n, DigitOf<Key>(digit), next, next + buckets);
        std::uint32_t start = 0;
        for (std::size_t b = 0; b < buckets; ++b) {
            const std::uint32_t count = next[b] + next[buckets + b];
            next[b] = start;
            start += count;
        }
        MoveToBuckets(from, from + n, DigitOf<Key>(digit), next, to);
        std::swap(from, to);
    }
    return from;
}

// The same, with the result always at `keys`.
template <typename Key>
void SortPart(Key* keys, Key* room, std::size_t n, const std::vector<Digit>& digits,
              std::vector<std::uint32_t>& counts) {
    const Key* const sorted = SortPartSomewhere(keys, room, n, digits, counts);
    if (sorted != keys) std::copy(sorted, sorted + n, keys);
}

// Puts keys that are in order by their high word alone in order by their
// low word too: a key can only be out of place within the run of keys that
// share its high word. Such runs are as long as the lines that start at one
// vertex, a handful: insertion puts them in order, and radix passes over
// the `low` digits any run that turns out longer.
template <typename Key>
void FinishRuns(Key* keys, std::size_t n, const std::vector<Digit>& low) {
    const auto high = [](Key key) { return static_cast<std::uint64_t>(key) >> 32; };
    std::vector<std::uint32_t> counts;
    std::vector<Key> room;
    std::size_t runStart = 0;
    for (std::size_t i = 1; i < n; ++i) {
        const Key key = keys[i];
        if (high(key) != high(keys[i - 1])) {
            runStart = i;
            continue;
        }
        if (key >= keys[i - 1]) continue;
        if (i - runStart >= kShortRun) {
            std::size_t end = i + 1;
            while (end < n && high(keys[end]) == high(key)) ++end;
            room.resize(end - runStart);
            SortPart(keys + runStart, room.data(), end - runStart, low, counts);
            i = end - 1;
            continue;
        }
        std::size_t j = i;
        for (; j > runStart && keys[j - 1] > key; --j) keys[j] = keys[j - 1];
        keys[j] = key;
    }
}

// Copies the sorted keys of [first, last) to `out`, each once, and returns
// the end of the copy. `out` may lie at or before `first` in the same array:
// no key is written ahead of the one being read. Writing every key and
// advancing only past new ones keeps the loop free of a branch that
// repeats, common among a mesh's lines, would mispredict.
template <typename Key>
Key* CopyWithoutRepeats(const Key* first, const Key* last, Key* out) {
    if (first == last) return out;
    Key previous = *first;
    *out++ = previous;
    for (++first; first != last; ++first) {
        const Key key = *first;
        *out = key;
        out += key != previous ? 1 : 0;
        previous = key;
    }
    return out;
}

// Takes the digits of the low word off `digits` when the keys are of two
// words and both differ: the passes then sort by the high word alone, and
// FinishRuns orders each run of keys with the same high word. For lines
// between vertex ids that halves the passes.
template <typename Key>
std::vector<Digit> TakeLowWord(std::vector<Digit>& digits) {
    std::vector<Digit> low;
    if constexpr (sizeof(Key) == 8) {
        if (digits.front().shift < 32 && digits.back().shift >= 32) {
            const auto firstHigh = std::find_if(
                digits.begin(), digits.end(), [](const Digit& digit) { return digit.shift >= 32; });
            low.assign(digits.begin(), firstHigh);
            digits.erase(digits.begin(), firstHigh);
        }
    }
    return low;
}

// Sorts many keys: split by the last (most significant) of `digits` into
// parts with a gap before each, then each part by the others and its runs,
// back into `keys` without repeats (a key's repeats share its part).
template <typename Key>
void SplitAndSort(std::vector<Key>& keys, const std::vector<Digit>& digits,
                  const std::vector<Digit>& low) {
    const Digit top = digits.back();
    const std::vector<Digit> rest(digits.begin(), digits.end() - 1);
    const std::size_t buckets = std::size_t{1} << top.width;
    std::vector<std::uint32_t> counts(2 * buckets, 0);
    CountPerBucket(keys.data(), keys.data() + keys.size(), DigitOf<Key>(top), counts.data(),
                   counts.data() + buckets);
    std::vector<std::size_t> begins(buckets);
    std::vector<std::size_t> next(buckets);
    std::size_t start = 0;
    std::size_t largest = 0;
    for (std::size_t b = 0; b < buckets; ++b) {
        const std::size_t count = std::size_t{counts[b]} + counts[buckets + b];
        start += kBucketGap;
        begins[b] = next[b] = start;
        start += count;
        largest = std::max(largest, count);
    }
    // Every key of them is written before it is read.
    const auto parts = std::make_unique_for_overwrite<Key[]>(start);
    MoveToBuckets(keys.data(), keys.data() + keys.size(), DigitOf<Key>(top), next.data(),
                  parts.get());
    const auto room = std::make_unique_for_overwrite<Key[]>(largest);
    Key* out = keys.data();
    for (std::size_t b = 0; b < buckets; ++b) {
        const std::size_t size = next[b] - begins[b];
        Key* const part =
            SortPartSomewhere(parts.get() + begins[b], room.get(), size, rest, counts);
        if (!low.empty()) FinishRuns(part, size, low);
        out = CopyWithoutRepeats(part, part + size, out);
    }
    keys.resize(static_cast<std::size_t>(out - keys.data()));
}

// Sorts `keys` ascending, least significant digit first, and drops repeats.
template <typename Key>
void SortWithoutRepeats(std::vector<Key>& keys) {
    static_assert(std::is_unsigned_v<Key>, "radix passes take unsigned keys");
    const std::size_t n = keys.size();
    if (n < kRadixFrom) {
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        return;
    }
    Key common = static_cast<Key>(~Key{0});
    Key any = 0;
    for (Key key : keys) {
        common &= key;
        any |= key;
    }
    std::vector<Digit> digits = PlanDigits(static_cast<Key>(common ^ any));
    if (digits.empty()) {  // every key is the same
        keys.resize(1);
        return;
    }
    const std::vector<Digit> low = TakeLowWord<Key>(digits);
    if (n >= kSplitFrom && digits.size() > 1) {
        SplitAndSort(keys, digits, low);
        return;
    }

    // Each pass reads the buckets of the last one in order (at first the
    // keys as one bucket) and writes its own, with a gap before each, into
    // the other buffer.
    int widest = 0;
    for (const Digit& digit : digits) widest = std::max(widest, digit.width);
    const std::size_t room = n + (std::size_t{1} << widest) * kBucketGap;
    // The passes alternate between a buffer of their own and the keys' own
    // room, when it is large enough (otherwise a second buffer): on large
    // meshes fresh memory costs as much as a pass. Every key of them is
    // written before it is read.
    const auto own = std::make_unique_for_overwrite<Key[]>(room);
    std::unique_ptr<Key[]> second;
    Key* spare = nullptr;
    if (digits.size() > 1) {
        if (keys.capacity() >= room) {
            keys.resize(room);
            spare = keys.data();
        } else {
            second = std::make_unique_for_overwrite<Key[]>(room);
            spare = second.get();
        }
    }
    Key* from = keys.data();
    Key* to = own.get();
    std::vector<std::size_t> begins{0};
    std::vector<std::size_t> ends{n};
    std::vector<std::size_t> next;
    std::vector<std::uint32_t> counts;
    for (const Digit& digit : digits) {
        const std::size_t buckets = std::size_t{1} << digit.width;
        const DigitOf<Key> bucketOf(digit);
        counts.assign(2 * buckets, 0);
        for (std::size_t s = 0; s < begins.size(); ++s)
            CountPerBucket(from + begins[s], from + ends[s], bucketOf, counts.data(),
                           counts.data() + buckets);
        next.resize(buckets);
        std::size_t start = 0;
        for (std::size_t b = 0; b < buckets; ++b) {
            start += kBucketGap;
            next[b] = start;
            start += counts[b] + counts[buckets + b];
        }
        const std::vector<std::size_t> nextBegins = next;
        for (std::size_t s = 0; s < begins.size(); ++s)
            MoveToBuckets(from + begins[s], from + ends[s], bucketOf, next.data(), to);
        begins = nextBegins;
        ends = next;
        Key* const written = to;
        to = spare;
        spare = written;
        from = written;
    }
    // The buckets of the last pass, back to back at the start of the keys,
    // each once; within the keys' own room each moves only towards the
    // start. Keys with the same high word share a bucket of the last pass
    // (the high word's top digit), so their runs are finished bucket by
    // bucket, while the bucket is still in the cache, and so are repeats.
    Key* out = keys.data();
    for (std::size_t s = 0; s < begins.size(); ++s) {
        Key* const bucket = from + begins[s];
        const std::size_t size = ends[s] - begins[s];
        if (!low.empty()) FinishRuns(bucket, size, low);
        out = CopyWithoutRepeats(bucket, bucket + size, out);
    }
    keys.resize(static_cast<std::size_t>(out - keys.data()));
}

}  // namespace sorted_keys

template <typename Key>
class SortedKeySet {
    static_assert(std::is_unsigned_v<Key>, "keys are unsigned integers");

public:
    using value_type = Key;
    using iterator = typename std::vector<Key>::const_iterator;
    using const_iterator = iterator;

    SortedKeySet() = default;
    SortedKeySet(std::initializer_list<Key> keys) { *this = keys; }
    SortedKeySet& operator=(std::initializer_list<Key> keys) {
        std::vector<Key> batch(keys);
        clear();
        InsertAll(batch);
        return *this;
    }

    std::size_t size() const { return keys_.size(); }
    bool empty() const { return keys_.empty(); }
    // Ascending.
    const_iterator begin() const { return keys_.begin(); }
    const_iterator end() const { return keys_.end(); }

    // Empties the set; its room stays for the next filling. [any time]
    void clear() { keys_.clear(); }
    bool contains(Key key) const { return std::binary_search(keys_.begin(), keys_.end(), key); }
    std::size_t count(Key key) const { return contains(key) ? 1 : 0; }

    // Adds one key unless it is there; the key's place, and whether it was
    // added. Moves every larger key: for a handful of keys, not for filling.
    // [any time]
    std::pair<const_iterator, bool> insert(Key key) {
        const auto at = std::lower_bound(keys_.begin(), keys_.end(), key);
        if (at != keys_.end() && *at == key) return {at, false};
        return {keys_.insert(at, key), true};
    }

    // Adds every key of `batch`, given in any order and with repeats; the
    // batch is sorted in place and left without repeats. The set takes as
    // much room as its keys need: a set filled once from empty keeps no
    // spare room. [any time]
    void InsertAll(std::vector<Key>& batch) {
        if (batch.empty()) return;
        sorted_keys::SortWithoutRepeats(batch);
        if (keys_.empty()) {
            keys_.assign(batch.begin(), batch.end());
            return;
        }
        std::vector<Key> merged;
        merged.reserve(UnionSize(batch));
        std::set_union(keys_.begin(), keys_.end(), batch.begin(), batch.end(),
                       std::back_inserter(merged));
        keys_.swap(merged);
    }

    // Equal when both hold the same keys.
    friend bool operator==(const SortedKeySet& a, const SortedKeySet& b) {
        return a.keys_ == b.keys_;
    }
    friend bool operator==(const SortedKeySet& a, const std::unordered_set<Key>& b) {
        if (a.size() != b.size()) return false;
        for (Key key : a) {
            if (!b.contains(key)) return false;
        }
        return true;
    }

private:
    // How many keys the set holds once the sorted keys of `batch` are in.
    std::size_t UnionSize(const std::vector<Key>& batch) const {
        std::size_t both = 0;
        auto a = keys_.begin();
        auto b = batch.begin();
        while (a != keys_.end() && b != batch.end()) {
            if (*a < *b) {
                ++a;
            } else if (*b < *a) {
                ++b;
            } else {
                ++both;
                ++a;
                ++b;
            }
        }
        return keys_.size() + batch.size() - both;
    }

    std::vector<Key> keys_;  // ascending, each once
};
