// What the overlay keeps between draw passes: the vertex map by vertex index
// (each rebuild sees only its own vertices, far indices go to a hash map, all
// of it given back on request), and the slots' normal caches (found by unique
// id in any order, the last normal of an id winning).
#include <gtest/gtest.h>

#include <vector>

#include "marker/normal_cache.h"
#include "marker/vertex_map.h"

namespace {

// The vertices a rebuild places, in order, with the draw index each gets.
std::vector<int> Place(VertexMap& map, const std::vector<int>& vertices) {
    std::vector<int> drawIndices;
    int next = static_cast<int>(map.Placed().size());
    for (int v : vertices) {
        auto [entry, added] = map.Place(v);
        if (added) entry.drawIndex = next++;
        drawIndices.push_back(entry.drawIndex);
    }
    return drawIndices;
}

TEST(VertexMap, EachRebuildFindsOnlyTheVerticesItPlaced) {
    VertexMap map;
    map.Start(4);
    EXPECT_EQ(Place(map, {3, 70, 3, 0, 70}), (std::vector<int>{0, 1, 0, 2, 1}));
    EXPECT_EQ(map.Placed().size(), 3u);
    EXPECT_TRUE(map.Contains(0));
    EXPECT_FALSE(map.Contains(1));
    // The next rebuild starts empty, whatever the array still holds.
    map.Start(4);
    EXPECT_FALSE(map.Contains(3));
    EXPECT_EQ(map.Find(70), nullptr);
    EXPECT_EQ(Place(map, {70, 5, 3}), (std::vector<int>{0, 1, 2}));
}

TEST(VertexMap, FarVerticesOfASmallMarkerCostNoArray) {
    VertexMap map;
    map.Start(2);
    const int far = 50'000'000;
    EXPECT_EQ(Place(map, {far, 7, far, far + 1}), (std::vector<int>{0, 1, 0, 2}));
    EXPECT_TRUE(map.Contains(far + 1));
    EXPECT_FALSE(map.Contains(far + 2));
    // The array reaches no further than the marker's size justifies.
    EXPECT_LT(map.HeldBytes(), std::size_t{1} << 20);
    map.Start(2);
    EXPECT_FALSE(map.Contains(far));
}

TEST(VertexMap, ReleaseGivesEverythingBack) {
    VertexMap map;
    map.Start(100000);
    std::vector<int> many;
    for (int v = 0; v < 100000; v += 3) many.push_back(v);
    Place(map, many);
    EXPECT_GT(map.HeldBytes(), 0u);
    map.Release();
    EXPECT_EQ(map.HeldBytes(), 0u);
    map.Start(1);
    EXPECT_EQ(Place(map, {6}), (std::vector<int>{0}));
}

TEST(NormalCache, FindsNormalsByUniqueIdInRefreshOrder) {
    NormalCache cache;
    cache.Add(9, 2, {0.0f, 0.0f, 1.0f});
    cache.Add(4, 0, {1.0f, 0.0f, 0.0f});
    ASSERT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.Entries()[0].vertex, 2);
    ASSERT_NE(cache.Find(4), nullptr);
    EXPECT_EQ(*cache.Find(4), (NormalCache::Normal{1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(cache.Find(5), nullptr);
    // Entries made after the first look-up by id are found as well; an id
    // entered again takes the new normal.
    cache.Add(5, 7, {0.0f, 1.0f, 0.0f});
    cache.Add(9, 3, {0.5f, 0.0f, 0.5f});
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_EQ(*cache.Find(9), (NormalCache::Normal{0.5f, 0.0f, 0.5f}));
    EXPECT_EQ(*cache.Find(5), (NormalCache::Normal{0.0f, 1.0f, 0.0f}));
    cache[6] = {0.0f, 0.0f, -1.0f};
    EXPECT_EQ(cache.Entries().back().vertex, -1);
    EXPECT_EQ(*cache.Find(6), (NormalCache::Normal{0.0f, 0.0f, -1.0f}));
    cache.clear();
    EXPECT_TRUE(cache.empty());
    EXPECT_EQ(cache.Find(9), nullptr);
}

// Each refresh empties the cache and enters the normals afresh, in its own
// order: the index by unique id goes with the entries, or the next refresh's
// look-ups land on the places of the last one.
TEST(NormalCache, ClearEmptiesTheIndexByUniqueIdToo) {
    const NormalCache::Normal up{0.0f, 0.0f, 1.0f};
    const NormalCache::Normal right{1.0f, 0.0f, 0.0f};
    NormalCache cache;
    cache.Add(9, 0, right);
    cache.Add(4, 1, right);
    cache.Add(6, 2, right);
    ASSERT_NE(cache.Find(6), nullptr);  // the index is built
    cache.clear();
    EXPECT_EQ(cache.Find(9), nullptr);
    cache.Add(4, 0, up);
    cache.Add(5, 1, up);
    EXPECT_EQ(cache.Find(9), nullptr);
    EXPECT_EQ(cache.Find(6), nullptr);
    ASSERT_NE(cache.Find(4), nullptr);
    EXPECT_EQ(*cache.Find(4), up);
    // An id entered after the look-up finds its own place.
    cache.Add(6, 2, up);
    cache[8] = up;
    EXPECT_EQ(cache.size(), 4u);
    EXPECT_EQ(cache.Entries()[2].uniqueId, 6);
    EXPECT_EQ(*cache.Find(6), up);
}

}  // namespace
