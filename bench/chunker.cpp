// Speed of reading the item stream one item at a time, as every search and
// walk does: CHGetItem from the first item to the last of an in-memory
// document, following the next id it hands back.  The documents hold 10,000,
// 100,000 and 1,000,000 items; a flat per-item rate across the three shows
// that each call costs the same however long the document is.
//
// And of building documents as the importers do, cell by cell: CHAppendItem
// of plain items, and CHAppendDataValue of doubles (a value record and its
// item), into a fresh document of 100,000 cells per iteration.
#include <benchmark/benchmark.h>

#include <qrvch.h>

#include <cstdint>

namespace {

// A document of `count` items: text attribute, font size and special
// character items in turn, spread over chunks of the default size.
struct LongDocument {
    CHHandle h = 0;
    uint32_t first = CH_NO_ITEM;

    explicit LongDocument(uint32_t count) {
        CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h);
        const CHItem kinds[3] = {
            {CH_ITEM_CHAR_ATTR, 2, 1, 0}, {CH_ITEM_FONT_SIZE, 12, 0, 0}, {CH_ITEM_SPECIAL_CHAR, 7, 0, 0}};
        CHAppendItem(h, &kinds[0], &first);
        for (uint32_t i = 1; i < count; ++i) CHAppendItem(h, &kinds[i % 3], nullptr);
    }
    ~LongDocument() { CHCloseDocument(h); }
    LongDocument(const LongDocument &) = delete;
    LongDocument &operator=(const LongDocument &) = delete;
};

// Reads every item; gives the number read, which must be the document's.
uint32_t walk(const LongDocument &doc) {
    uint32_t count = 0, values = 0;
    CHItem item{};
    for (uint32_t id = doc.first; id != CH_NO_ITEM; ++count) {
        if (CHGetItem(doc.h, CH_STORE_ITEMS, id, &item, &id) != 0) break;
        values += item.value;
    }
    benchmark::DoNotOptimize(values);
    return count;
}

void BM_WalkItems(benchmark::State &state) {
    const auto count = static_cast<uint32_t>(state.range(0));
    const LongDocument doc(count);
    for (auto _ : state) {
        if (walk(doc) != count) {
            state.SkipWithError("the walk did not read every item");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(count));
    state.counters["ns_per_item"] = benchmark::Counter(static_cast<double>(state.iterations()) * count,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WalkItems)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

constexpr uint32_t kAppendedCells = 100000;

template <typename Append>
void append_cells(benchmark::State &state, Append &&append) {
    for (auto _ : state) {
        CHHandle h = 0;
        CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h);
        uint32_t failed = 0;
        for (uint32_t i = 0; i < kAppendedCells; ++i) failed += append(h, i) != 0 ? 1 : 0;
        CHCloseDocument(h);
        if (failed != 0) {
            state.SkipWithError("an append failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kAppendedCells});
    state.counters["ns_per_cell"] = benchmark::Counter(static_cast<double>(state.iterations()) * kAppendedCells,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_AppendItems(benchmark::State &state) {
    append_cells(state, [](CHHandle h, uint32_t i) {
        const CHItem cell{CH_ITEM_SS_CELL_70, i, 0, 0};
        uint32_t id = 0;
        return CHAppendItem(h, &cell, &id);
    });
}
BENCHMARK(BM_AppendItems)->Unit(benchmark::kMillisecond);

void BM_AppendDataValues(benchmark::State &state) {
    append_cells(state, [](CHHandle h, uint32_t i) {
        const double value = i * 0.25;
        uint32_t id = 0;
        return CHAppendDataValue(h, &value, sizeof value, CH_STORAGE_DOUBLE, 0, &id);
    });
}
BENCHMARK(BM_AppendDataValues)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
