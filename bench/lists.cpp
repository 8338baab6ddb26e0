// Speed of the item list's linear operations on long lists: sorted insertion
// (a scan back from the end for the place, then a move of everything after
// it) and exact-match search (a scan back from the end).  Items are 8 bytes,
// a 32-bit key then a payload word; the list holds the keys 0, 2, 4, ...
#include <benchmark/benchmark.h>

#include <qrvex/lists.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

struct Item {
    uint32_t key;
    uint32_t payload;
};

constexpr uint32_t kKeyWidth = 4;

// A list of `count` items with even keys in ascending order.
struct SortedList {
    LUList *list = nullptr;

    explicit SortedList(uint32_t count) : list(LUCreateList(sizeof(Item), count + 1, 1024)) {
        for (uint32_t i = 0; i < count; ++i) {
            const Item item{2 * i, i};
            LUAddItem(list, &item);
        }
    }
    ~SortedList() { LUFreeList(&list); }
    SortedList(const SortedList &) = delete;
    SortedList &operator=(const SortedList &) = delete;
};

// Keys to look for or to add, spread evenly over the list by a fixed seed.
std::vector<uint32_t> keys_for(uint32_t count, uint32_t odd) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<uint32_t> index(0, count - 1);
    std::vector<uint32_t> keys(4096);
    for (uint32_t &key : keys) key = 2 * index(random) + odd;
    return keys;
}

// One sorted insertion of a new (odd) key at an evenly spread place, or at
// the front (range 1 = 1), the worst case.  The item is taken out again with
// the timer paused, so every insertion meets the same list.
void BM_AddSortedItem(benchmark::State &state) {
    const auto count = static_cast<uint32_t>(state.range(0));
    const bool at_front = state.range(1) == 1;
    SortedList sorted(count);
    const std::vector<uint32_t> keys = keys_for(count, 1);
    size_t next = 0;
    int64_t scanned = 0;
    for (auto _ : state) {
        const Item item{at_front ? 1u : keys[next++ % keys.size()], 0};
        if (LUAddSortedItem(sorted.list, &item, kKeyWidth, 0) != 0) {
            state.SkipWithError("the list refused the item");
            break;
        }
        scanned += count - item.key / 2;
        state.PauseTiming();
        LURemoveExactItem(sorted.list, &item, kKeyWidth);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(scanned);
    state.SetLabel(at_front ? "at the front" : "spread");
}
// Sorted lists count their items in 16 bits: 65535 is the most they hold.
BENCHMARK(BM_AddSortedItem)->ArgsProduct({{10000, 30000, 65000}, {0, 1}})->Unit(benchmark::kMicrosecond);

// One exact-match search for a key present at an evenly spread place, or
// absent (range 1 = 1), which scans the whole list.
void BM_FindExactItem(benchmark::State &state) {
    const auto count = static_cast<uint32_t>(state.range(0));
    const bool missing = state.range(1) == 1;
    SortedList sorted(count);
    const std::vector<uint32_t> keys = keys_for(count, missing ? 1 : 0);
    size_t next = 0;
    int64_t scanned = 0;
    for (auto _ : state) {
        const uint32_t key = keys[next++ % keys.size()];
        const int32_t found = LUFindExactItem(sorted.list, &key, kKeyWidth);
        benchmark::DoNotOptimize(found);
        scanned += missing ? count : count - key / 2;
    }
    state.SetItemsProcessed(scanned);
    state.SetLabel(missing ? "missing" : "present");
}
BENCHMARK(BM_FindExactItem)->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
