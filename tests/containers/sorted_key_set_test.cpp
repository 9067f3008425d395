// The marked lines' sorted key set: set semantics for batches of every shape
// (short and long, with repeats, keys that differ in one half only, the full
// 64-bit range, 32-bit keys, spans of varying bits that end anywhere),
// merging a batch into keys already held, single insertions, and comparison
// with the standard set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "containers/sorted_key_set.h"
#include "marker/marker_slot.h"

namespace {

using Keys = std::vector<std::uint64_t>;

struct Batch {
    std::string name;
    Keys keys;
};

// The keys of every line of a quad grid of ids, each line once per face
// (so twice inside), in the order a face walk meets them.
Keys GridLines(int columns, int rows, int firstId) {
    Keys keys;
    const auto id = [&](int c, int r) { return firstId + r * (columns + 1) + c; };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int p[4] = {id(c, r), id(c + 1, r), id(c + 1, r + 1), id(c, r + 1)};
            for (int k = 0; k < 4; ++k) keys.push_back(MakeEdgeKey(p[k], p[(k + 1) % 4]));
        }
    }
    return keys;
}

Keys Random(std::size_t count, std::uint64_t mask, std::uint64_t fixed, unsigned seed) {
    std::mt19937_64 random(seed);
    Keys keys;
    for (std::size_t i = 0; i < count; ++i) keys.push_back((random() & mask) | fixed);
    // Some repeats, far from their first place.
    for (std::size_t i = 0; i < count / 4; ++i) keys.push_back(keys[(i * 7) % count]);
    return keys;
}

std::vector<Batch> Batches() {
    Keys descending;
    for (std::uint64_t k = 3000; k > 0; --k) descending.push_back(k << 20);
    return {
        {"Empty", {}},
        {"ShortWithRepeats", {9, 3, 9, 0, ~0ull, 3}},
        {"MeshLines", GridLines(40, 30, 1)},
        {"WideIds", GridLines(60, 40, 70000)},
        // Enough keys to be split by their top digit first.
        {"ManyMeshLines", GridLines(600, 480, 1)},
        {"ManyInTheFullRange", Random(900000, ~0ull, 0, 5)},
        {"FullRange", Random(5000, ~0ull, 0, 1)},
        {"OnlyTheLowHalfDiffers", Random(3000, 0xFFFFFFFFull, 7ull << 32, 2)},
        {"OnlyTheHighHalfDiffers", Random(3000, 0xFFFFFFFFull << 32, 5, 3)},
        // Few high halves, so that the keys sharing one are many and unordered.
        {"LongRunsOfOneHighHalf", Random(3000, (3ull << 32) | 0xFFFFFFFFull, 0, 6)},
        // Keys that differ in the top bit of a half alone, or in it and in
        // bits far below: the highest digit of the span is one bit wide.
        {"OnlyTheTopBitDiffers", Random(3000, 1ull << 63, 0x00000005000A0001ull, 7)},
        {"TheTopBitOfEachHalfAndTheLowest", Random(3000, 0x8000000180000001ull, 0, 8)},
        {"AllTheSame", Keys(2000, 0x0000000500011170ull)},
        {"Descending", descending},
    };
}

// What the set must hold: each key once, ascending.
Keys Expected(Keys keys) {
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

class SortedKeySetBatch : public testing::TestWithParam<Batch> {};

TEST_P(SortedKeySetBatch, HoldsEachKeyOnceAscending) {
    SortedKeySet<std::uint64_t> set;
    Keys batch = GetParam().keys;
    set.InsertAll(batch);
    EXPECT_EQ(Keys(set.begin(), set.end()), Expected(GetParam().keys));
    const std::unordered_set<std::uint64_t> standard(GetParam().keys.begin(),
                                                     GetParam().keys.end());
    EXPECT_TRUE(set == standard);
    for (std::size_t i = 0; i < GetParam().keys.size(); i += 97)
        EXPECT_TRUE(set.contains(GetParam().keys[i]));
}

TEST_P(SortedKeySetBatch, MergesIntoKeysAlreadyHeld) {
    // Half of the batch first, then all of it and some keys of another shape.
    const Keys& all = GetParam().keys;
    Keys first(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(all.size() / 2));
    Keys second = all;
    const Keys other = GridLines(10, 10, 500);
    second.insert(second.end(), other.begin(), other.end());
    SortedKeySet<std::uint64_t> set;
    set.InsertAll(first);
    set.InsertAll(second);
    Keys everything = all;
    everything.insert(everything.end(), other.begin(), other.end());
    EXPECT_EQ(Keys(set.begin(), set.end()), Expected(everything));
}

INSTANTIATE_TEST_SUITE_P(Batches, SortedKeySetBatch, testing::ValuesIn(Batches()),
                         [](const testing::TestParamInfo<Batch>& info) { return info.param.name; });

// Whatever bits the keys share, the sort takes every digit from the lowest
// to the highest bit in which they differ: a span of each width, starting
// at several places, in the low half, in the high half and across both.
TEST(SortedKeySet, EveryDigitOfTheVaryingSpanSorts) {
    unsigned seed = 100;
    for (int word : {0, 32}) {
        for (int low : {0, 3, 11, 20}) {
            for (int high = low; high < 32; ++high) {
                const std::uint64_t span = ((2ull << high) - (1ull << low)) << word;
                // The bits outside the span are the same in every key.
                Keys keys = Random(600, span, 0x2A0000002Aull & ~span, ++seed);
                SortedKeySet<std::uint64_t> set;
                set.InsertAll(keys);
                EXPECT_EQ(Keys(set.begin(), set.end()), Expected(keys))
                    << "bits " << word + low << " to " << word + high;
                if (word != 0) continue;
                // The same span in 32-bit keys, and in the high half with the
                // low half's bits varying too.
                std::vector<std::uint32_t> narrow;
                for (std::uint64_t key : keys) narrow.push_back(static_cast<std::uint32_t>(key));
                const std::set<std::uint32_t> standard(narrow.begin(), narrow.end());
                SortedKeySet<std::uint32_t> narrowSet;
                narrowSet.InsertAll(narrow);
                EXPECT_EQ(std::vector<std::uint32_t>(narrowSet.begin(), narrowSet.end()),
                          std::vector<std::uint32_t>(standard.begin(), standard.end()))
                    << "bits " << low << " to " << high << " of 32-bit keys";
                Keys both = Random(600, (span << 32) | 0xF0ull, 0, ++seed);
                set.clear();
                set.InsertAll(both);
                EXPECT_EQ(Keys(set.begin(), set.end()), Expected(both))
                    << "bits 4 to 7 and " << 32 + low << " to " << 32 + high;
            }
        }
    }
}

TEST(SortedKeySet, ThirtyTwoBitKeysSortAsWell) {
    std::mt19937 random(4);
    std::vector<std::uint32_t> keys;
    for (int i = 0; i < 4000; ++i) keys.push_back(random() % 100000);
    const std::set<std::uint32_t> standard(keys.begin(), keys.end());
    SortedKeySet<std::uint32_t> set;
    std::vector<std::uint32_t> batch = keys;
    set.InsertAll(batch);
    EXPECT_EQ(std::vector<std::uint32_t>(set.begin(), set.end()),
              std::vector<std::uint32_t>(standard.begin(), standard.end()));
}

TEST(SortedKeySet, SingleInsertionsAndListsKeepSetSemantics) {
    SortedKeySet<std::uint64_t> set{8, 2, 8, 5};
    EXPECT_EQ(Keys(set.begin(), set.end()), (Keys{2, 5, 8}));
    EXPECT_TRUE(set.insert(3).second);
    EXPECT_FALSE(set.insert(5).second);
    EXPECT_EQ(*set.insert(4).first, 4u);
    EXPECT_EQ(Keys(set.begin(), set.end()), (Keys{2, 3, 4, 5, 8}));
    EXPECT_EQ(set.count(7), 0u);
    EXPECT_FALSE((set == std::unordered_set<std::uint64_t>{2, 3, 4, 5}));
    set.clear();
    EXPECT_TRUE(set.empty());
    set = {1};
    EXPECT_TRUE((set == SortedKeySet<std::uint64_t>{1}));
}

}  // namespace
