// The markers' hash containers: set and map semantics for every kind of key
// set (dense runs, strides, negative and extreme ids, line keys piled into
// one block), first-insertion order, and comparison with the standard set.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "containers/dense_hash.h"
#include "marker/marker_slot.h"

namespace {

struct IntKeys {
    std::string name;
    std::vector<int> keys;
};

std::vector<int> Run(int first, int count, int stride) {
    std::vector<int> keys;
    for (int i = 0; i < count; ++i) keys.push_back(first + i * stride);
    return keys;
}

// The first half of every run of 256 ids: runs that share a block of the
// index each bring 128 neighbouring keys.
std::vector<int> HalfRuns(int runs) {
    std::vector<int> keys;
    for (int run = 0; run < runs; ++run)
        for (int i = 0; i < 128; ++i) keys.push_back(run * 256 + i);
    return keys;
}

std::vector<IntKeys> IntCases() {
    return {
        {"DenseRun", Run(0, 70000, 1)},
        {"StrideOfABlock", Run(5, 5000, 256)},
        {"StrideOfTheIndex", Run(0, 3000, 1 << 16)},
        {"NegativeIds", Run(-40000, 20000, 3)},
        {"ExtremeIds", {-1, 0, INT_MIN, INT_MAX, INT_MAX - 1, INT_MIN + 1}},
        {"DescendingRun", Run(100000, 4000, -1)},
        {"HalfOfEveryRun", HalfRuns(400)},
    };
}

class DenseIntSetTest : public testing::TestWithParam<IntKeys> {};

TEST_P(DenseIntSetTest, HoldsEachKeyOnceInFirstInsertionOrder) {
    const std::vector<int>& keys = GetParam().keys;
    DenseHashSet<int> set;
    for (int key : keys) EXPECT_TRUE(set.insert(key).second);
    for (int key : keys) EXPECT_FALSE(set.insert(key).second);
    EXPECT_EQ(std::vector<int>(set.begin(), set.end()), keys);
    for (int key : keys) EXPECT_TRUE(set.contains(key));
    const std::unordered_set<int> standard(keys.begin(), keys.end());
    EXPECT_FALSE(set.contains(7777777)) << "7777777 is in no case";
    EXPECT_EQ(set.size(), standard.size());
}

INSTANTIATE_TEST_SUITE_P(KeySets, DenseIntSetTest, testing::ValuesIn(IntCases()),
                         [](const testing::TestParamInfo<IntKeys>& info) {
                             return info.param.name;
                         });

struct EdgeKeys {
    std::string name;
    std::vector<EdgeKey> keys;
};

std::vector<EdgeKey> AllPairs(int firstA, int firstB, int run) {
    std::vector<EdgeKey> keys;
    for (int a = 0; a < run; ++a)
        for (int b = 0; b < run; ++b) keys.push_back(MakeEdgeKey(firstA + a, firstB + b));
    return keys;
}

std::vector<EdgeKey> Fan(int centre, int spokes) {
    std::vector<EdgeKey> keys;
    for (int i = 1; i <= spokes; ++i) keys.push_back(MakeEdgeKey(centre, centre + i));
    return keys;
}

std::vector<EdgeKeys> EdgeCases() {
    return {
        // Every pair of two runs of 16 ids: the most keys one block takes.
        {"PairsOfTwoRuns", AllPairs(32, 4096, 16)},
        {"ManyFullBlocks", AllPairs(0, 1 << 20, 120)},
        {"FanOfOneVertex", Fan(1, 30000)},
        {"ExtremeIds",
         {MakeEdgeKey(-1, -1), MakeEdgeKey(0, 0), MakeEdgeKey(INT_MIN, INT_MAX),
          MakeEdgeKey(5, 70000), ~EdgeKey{0}}},
    };
}

class DenseEdgeSetTest : public testing::TestWithParam<EdgeKeys> {};

TEST_P(DenseEdgeSetTest, HoldsEachKeyOnceAndEqualsTheStandardSet) {
    const std::vector<EdgeKey>& keys = GetParam().keys;
    DenseHashSet<EdgeKey> set;
    for (EdgeKey key : keys) set.insert(key);
    for (EdgeKey key : keys) set.insert(key);
    const std::unordered_set<EdgeKey> standard(keys.begin(), keys.end());
    EXPECT_EQ(set.size(), standard.size());
    EXPECT_TRUE(set == standard);
    std::unordered_set<EdgeKey> oneMore = standard;
    oneMore.insert(MakeEdgeKey(123456, 654321));
    EXPECT_FALSE(set == oneMore);
}

INSTANTIATE_TEST_SUITE_P(KeySets, DenseEdgeSetTest, testing::ValuesIn(EdgeCases()),
                         [](const testing::TestParamInfo<EdgeKeys>& info) {
                             return info.param.name;
                         });

TEST(DenseHashSet, ClearedSetTakesNewKeysAsAnEmptyOne) {
    DenseHashSet<int> set{4, 8, 15};
    set.clear();
    EXPECT_TRUE(set.empty());
    EXPECT_FALSE(set.contains(8));
    set = {16, 4};
    EXPECT_EQ(std::vector<int>(set.begin(), set.end()), (std::vector<int>{16, 4}));
}

TEST(DenseHashSet, EqualityIgnoresOrder) {
    EXPECT_TRUE((DenseHashSet<int>{1, 2, 3} == DenseHashSet<int>{3, 1, 2}));
    EXPECT_FALSE((DenseHashSet<int>{1, 2, 3} == DenseHashSet<int>{1, 2}));
    EXPECT_FALSE((DenseHashSet<int>{1, 2, 3} == DenseHashSet<int>{1, 2, 4}));
}

TEST(DenseHashMap, FirstValueStaysUntilAssignedAndOrderIsFirstInsertion) {
    DenseHashMap<int, std::array<float, 3>> map;
    map[7] = {1, 0, 0};
    EXPECT_FALSE(map.try_emplace(7, std::array<float, 3>{0, 1, 0}).second);
    EXPECT_TRUE(map.try_emplace(-3, std::array<float, 3>{0, 0, 1}).second);
    map[7][2] = 5;
    EXPECT_EQ(map.find(7)->second, (std::array<float, 3>{1, 0, 5}));
    EXPECT_EQ(map.find(-3)->second, (std::array<float, 3>{0, 0, 1}));
    EXPECT_EQ(map.find(8), map.end());
    std::vector<int> keys;
    for (const auto& [key, value] : map) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<int>{7, -3}));
}

TEST(DenseHashMap, GrowingKeepsEveryEntry) {
    DenseHashMap<int, int> map;
    map.reserve(10);
    for (int key = 0; key < 50000; ++key) map[key * 7] = key;
    ASSERT_EQ(map.size(), 50000u);
    for (int key = 0; key < 50000; ++key) EXPECT_EQ(map.find(key * 7)->second, key);
}

}  // namespace
