#include <qrvex/cache.h>
#include <qrvplatform/platform.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace {

struct Record {
    uint32_t words[3];
};

// A cache of Records over its own context, released at the end.
class CacheFixture {
public:
    CacheFixture(uint16_t capacity, uint16_t step, uint32_t flags) {
        MUInit(&context_);
        MUCacheInit(capacity, step, sizeof(Record), flags, 77, &cache_, &context_);
    }
    ~CacheFixture() { MUCacheDeinit(&cache_, &context_); }

    uint32_t add(uint32_t key, uint32_t word = 0) {
        Record r{{key, word, ~key}};
        return MUCacheAdd(&r, key, &cache_, &context_.BytesHeld);
    }
    const Record *get(uint32_t key) { return static_cast<const Record *>(MUCacheRetrieve(key, &cache_)); }

    MUCache cache_{};
    MUContext context_{};
};

TEST(CacheInit, ClampsCapacityAndStepCountsCachesAndKeepsReserved) {
    struct Case {
        uint16_t capacity, step;
        uint16_t wantCapacity, wantStep;
    } cases[] = {{0, 0, 2, 2}, {1, 5, 2, 5}, {2, 1, 2, 1}, {9, 0, 9, 2}, {300, 7, 300, 7}};
    for (const Case &c : cases) {
        MUContext context;
        MUInit(&context);
        MUCache cache;
        std::memset(&cache, 0xCD, sizeof cache);
        MUCacheInit(c.capacity, c.step, 12, 1, 99, &cache, &context);
        EXPECT_EQ(cache.Capacity, c.wantCapacity);
        EXPECT_EQ(cache.GrowthStep, c.wantStep);
        EXPECT_EQ(cache.Count, 0);
        EXPECT_EQ(cache.Allocated, 0);
        EXPECT_EQ(cache.Clock, 0u);
        EXPECT_EQ(cache.hSlots, nullptr);
        EXPECT_EQ(cache.pSlots, nullptr);
        EXPECT_EQ(cache.CallerValue, 99u);
        EXPECT_EQ(cache.Reserved, 0xCDCDCDCDu) << "the caller's word";
        EXPECT_EQ(context.CacheCount, 1u);
        MUCacheDeinit(&cache, &context);
        EXPECT_EQ(context.CacheCount, 0u);
    }
}

TEST(CacheAdd, NullCacheAndFullCacheWithoutReplacement) {
    Record r{};
    uint32_t counter = 0;
    EXPECT_EQ(MUCacheAdd(&r, 1, nullptr, &counter), 37u);
    EXPECT_EQ(MUCacheRetrieve(1, nullptr), nullptr);

    CacheFixture f(2, 2, 0);
    EXPECT_EQ(f.add(1), 0u);
    EXPECT_EQ(f.add(2), 0u);
    const uint32_t clock = f.cache_.Clock;
    EXPECT_EQ(f.add(3), 37u);
    EXPECT_EQ(f.cache_.Count, 2);
    EXPECT_EQ(f.cache_.Clock, clock);
    EXPECT_EQ(f.get(3), nullptr);
}

TEST(CacheAdd, ExistingKeyIsOverwrittenInPlace) {
    CacheFixture f(4, 2, 0);
    ASSERT_EQ(f.add(10, 1), 0u);
    const Record *before = f.get(10);
    ASSERT_EQ(f.add(10, 2), 0u);
    EXPECT_EQ(f.cache_.Count, 1);
    EXPECT_EQ(f.get(10), before);
    EXPECT_EQ(f.get(10)->words[1], 2u);
}

TEST(CacheAdd, ReplacesLeastRecentlyUsed) {
    CacheFixture f(2, 2, MU_CACHE_REPLACE_OLDEST);
    ASSERT_EQ(f.add(1), 0u);
    ASSERT_EQ(f.add(2), 0u);
    ASSERT_NE(f.get(1), nullptr);
    ASSERT_EQ(f.add(3), 0u);
    EXPECT_EQ(f.get(2), nullptr);
    ASSERT_NE(f.get(1), nullptr);
    ASSERT_NE(f.get(3), nullptr);
    EXPECT_EQ(f.get(3)->words[2], ~3u);
}

TEST(CacheAdd, GrowthStopsAtCapacity) {
    struct Case {
        uint16_t capacity, step;
        std::vector<uint16_t> allocatedAfterEachAdd;
    } cases[] = {
        {5, 2, {2, 2, 4, 4, 5}},
        {3, 1, {1, 2, 3}},
        {4, 10, {4, 4, 4, 4}},
    };
    for (const Case &c : cases) {
        CacheFixture f(c.capacity, c.step, 0);
        for (size_t i = 0; i < c.allocatedAfterEachAdd.size(); ++i) {
            ASSERT_EQ(f.add(static_cast<uint32_t>(100 + i)), 0u);
            EXPECT_EQ(f.cache_.Allocated, c.allocatedAfterEachAdd[i]) << "add " << i;
        }
        EXPECT_EQ(f.cache_.Count, c.allocatedAfterEachAdd.size());
    }
}

TEST(CacheRetrieve, MissLeavesClockAndHitStamps) {
    CacheFixture f(3, 3, 0);
    EXPECT_EQ(f.get(5), nullptr);
    EXPECT_EQ(f.cache_.Clock, 0u);
    ASSERT_EQ(f.add(5), 0u);
    EXPECT_EQ(f.cache_.Clock, 1u);
    EXPECT_EQ(f.get(6), nullptr);
    EXPECT_EQ(f.cache_.Clock, 1u);
    ASSERT_NE(f.get(5), nullptr);
    EXPECT_EQ(f.cache_.Clock, 2u);
    MUCacheSlot first;
    std::memcpy(&first, f.cache_.pSlots, sizeof first);
    EXPECT_EQ(first.Stamp, 2u);
}

TEST(CacheLock, UnlockedCacheRelocksOnNextUseAndDataStays) {
    CacheFixture f(4, 1, 0);
    ASSERT_EQ(f.add(1, 11), 0u);
    const Record *data = f.get(1);
    MUCacheUnlock(&f.cache_);
    EXPECT_EQ(f.cache_.pSlots, nullptr);
    ASSERT_EQ(f.add(2, 22), 0u);  // grows the array while it may move
    EXPECT_NE(f.cache_.pSlots, nullptr);
    EXPECT_EQ(f.get(1), data);
    MUCacheUnlock(&f.cache_);
    MUCacheLock(&f.cache_);
    EXPECT_NE(f.cache_.pSlots, nullptr);
    EXPECT_EQ(f.get(2)->words[1], 22u);
}

TEST(CacheDeinit, CounterReturnsAndBlocksAreReleased) {
    const size_t liveBefore = QrvGlobalLiveBlocks();
    MUContext context;
    MUInit(&context);
    context.BytesHeld = 1000;
    MUCache cache;
    MUCacheInit(3, 2, 40, MU_CACHE_REPLACE_OLDEST, 0, &cache, &context);
    std::vector<uint8_t> data(40, 7);
    for (uint32_t key = 0; key < 6; ++key) ASSERT_EQ(MUCacheAdd(data.data(), key, &cache, &context.BytesHeld), 0u);
    EXPECT_EQ(context.BytesHeld, 1000u + 3 * 41 + 3 * sizeof(MUCacheSlot));
    MUCacheDeinit(&cache, &context);
    EXPECT_EQ(context.BytesHeld, 1000u);
    EXPECT_EQ(QrvGlobalLiveBlocks(), liveBefore);
    EXPECT_EQ(cache.Allocated, 0);
    EXPECT_EQ(cache.hSlots, nullptr);
    // The record can be used again.
    MUCacheInit(3, 2, 40, 0, 0, &cache, &context);
    ASSERT_EQ(MUCacheAdd(data.data(), 9, &cache, &context.BytesHeld), 0u);
    MUCacheDeinit(&cache, &context);
    EXPECT_EQ(context.BytesHeld, 1000u);
    EXPECT_EQ(context.CacheCount, 0u);
}

// Every allocation a growth makes can fail: the add reports 13, the cache
// keeps its entries, and nothing is leaked or miscounted.
TEST(CacheAdd, FailedGrowthLeavesCacheUnchanged) {
    for (uint32_t failAt = 1; failAt <= 4; ++failAt) {
        const size_t liveBefore = QrvGlobalLiveBlocks();
        {
            CacheFixture f(6, 3, 0);
            ASSERT_EQ(f.add(1), 0u);
            ASSERT_EQ(f.add(2), 0u);
            ASSERT_EQ(f.add(3), 0u);
            const MUCache before = f.cache_;
            const uint32_t counted = f.context_.BytesHeld;
            QrvGlobalFailAfter(failAt);
            EXPECT_EQ(f.add(4), 13u) << "failing allocation " << failAt;
            QrvGlobalFailAfter(0);
            EXPECT_EQ(f.cache_.Count, before.Count);
            EXPECT_EQ(f.cache_.Allocated, before.Allocated);
            EXPECT_EQ(f.cache_.Clock, before.Clock);
            for (uint32_t key = 1; key <= 3; ++key) ASSERT_NE(f.get(key), nullptr);
            EXPECT_EQ(f.get(4), nullptr);
            EXPECT_GE(f.context_.BytesHeld, counted);
            ASSERT_EQ(f.add(4), 0u);  // memory is back: the growth succeeds
            EXPECT_EQ(f.cache_.Allocated, 6);
        }
        EXPECT_EQ(QrvGlobalLiveBlocks(), liveBefore);
    }
}

// Random adds and retrievals against a model that keeps stamps by key.
TEST(CacheModel, MatchesLeastRecentlyUsedModel) {
    std::mt19937 rng(12345);
    for (uint16_t capacity : {2, 3, 7}) {
        CacheFixture f(capacity, 2, MU_CACHE_REPLACE_OLDEST);
        std::map<uint32_t, uint32_t> modelWord;   // key -> word stored
        std::map<uint32_t, uint32_t> modelStamp;  // key -> last use
        uint32_t clock = 0;
        for (int step = 0; step < 2000; ++step) {
            const uint32_t key = rng() % 12;
            if (rng() % 2 == 0) {
                const uint32_t word = rng();
                if (!modelWord.count(key) && modelWord.size() == capacity) {
                    auto oldest = modelStamp.begin();
                    for (auto it = modelStamp.begin(); it != modelStamp.end(); ++it)
                        if (it->second < oldest->second) oldest = it;
                    modelWord.erase(oldest->first);
                    modelStamp.erase(oldest);
                }
                modelWord[key] = word;
                modelStamp[key] = ++clock;
                ASSERT_EQ(f.add(key, word), 0u);
            } else {
                const Record *r = f.get(key);
                if (modelWord.count(key)) {
                    ASSERT_NE(r, nullptr) << "step " << step;
                    EXPECT_EQ(r->words[1], modelWord[key]);
                    modelStamp[key] = ++clock;
                } else {
                    EXPECT_EQ(r, nullptr) << "step " << step;
                }
            }
            ASSERT_EQ(f.cache_.Count, modelWord.size());
            ASSERT_EQ(f.cache_.Clock, clock);
        }
    }
}

}  // namespace
