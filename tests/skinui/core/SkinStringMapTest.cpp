// CSkinStringMap: the hash, chains, move-to-front and enumeration.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skinui/core/SkinStringMap.h"

namespace {

using SkinUI::CSkinStringMap;

void* P(intptr_t n) {
    return reinterpret_cast<void*>(n);
}

TEST(SkinStringMapTest, HashTakesTheLastByteFirstAsSigned) {
    EXPECT_EQ(CSkinStringMap::Hash("ab"), 3331u);
    EXPECT_EQ(CSkinStringMap::Hash("ab") % 16, 3u);
    EXPECT_EQ(CSkinStringMap::Hash(""), 0u);
    // 0xFF is -1 as a signed byte: h = -1 wraps to 0xFFFFFFFF.
    EXPECT_EQ(CSkinStringMap::Hash("\xff"), 0xFFFFFFFFu);
}

TEST(SkinStringMapTest, InsertSetFindRemove) {
    CSkinStringMap map(16);
    EXPECT_TRUE(map.Insert("a", P(1)));
    EXPECT_FALSE(map.Insert("a", P(2)));
    EXPECT_EQ(map.Find("a"), P(1));
    EXPECT_EQ(map.Set("a", P(3)), P(1));
    EXPECT_EQ(map.Set("b", P(4)), nullptr);
    EXPECT_EQ(map.Find("b"), P(4));
    EXPECT_EQ(map.Find("A"), nullptr);
    EXPECT_EQ(map.Count(), 2);
    EXPECT_TRUE(map.Remove("a"));
    EXPECT_FALSE(map.Remove("a"));
    EXPECT_EQ(map.Find("a"), nullptr);
    EXPECT_EQ(map.Count(), 1);
    EXPECT_EQ(map.Find(nullptr), nullptr);
}

TEST(SkinStringMapTest, CollidingKeysShareABucketAndAllStayReachable) {
    CSkinStringMap map(16);
    // Keys that land in bucket 3 of 16.
    std::vector<std::string> keys;
    for (int i = 0; keys.size() < 6 && i < 100000; ++i) {
        const std::string key = "k" + std::to_string(i);
        if (CSkinStringMap::Hash(key.c_str()) % 16 == 3) keys.push_back(key);
    }
    ASSERT_EQ(keys.size(), 6u);
    for (size_t i = 0; i < keys.size(); ++i) ASSERT_TRUE(map.Insert(keys[i].c_str(), P(i + 1)));
    // Newest first within the bucket.
    EXPECT_STREQ(map.KeyAt(0), keys.back().c_str());
    EXPECT_EQ(map.Find(keys[0].c_str(), true), P(1));
    EXPECT_STREQ(map.KeyAt(0), keys[0].c_str());
    EXPECT_TRUE(map.Remove(keys[3].c_str()));
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(map.Find(keys[i].c_str()), i == 3 ? nullptr : P(i + 1)) << i;
}

TEST(SkinStringMapTest, KeyAtEnumeratesEveryKeyOnce) {
    CSkinStringMap map;
    std::set<std::string> inserted;
    for (int i = 0; i < 500; ++i) {
        const std::string key = "name" + std::to_string(i);
        map.Insert(key.c_str(), P(i + 1));
        inserted.insert(key);
    }
    std::set<std::string> seen;
    for (int i = 0; i < map.Count(); ++i) seen.insert(map.KeyAt(i));
    EXPECT_EQ(seen, inserted);
    EXPECT_EQ(map.KeyAt(map.Count()), nullptr);
    EXPECT_EQ(map.KeyAt(-1), nullptr);
}

TEST(SkinStringMapTest, ResizeEmptiesTheMap) {
    CSkinStringMap map;
    map.Insert("x", P(1));
    map.Resize(32);
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.Find("x"), nullptr);
    EXPECT_TRUE(map.Insert("x", P(2)));
    map.Resize(0);
    EXPECT_FALSE(map.Insert("x", P(3)));
    EXPECT_EQ(map.Find("x"), nullptr);
    EXPECT_EQ(CSkinStringMap(3).BucketCount(), 16);
}

}  // namespace
