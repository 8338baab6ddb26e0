// Speed of the attribute-change walk: long runs of attribute items, and a
// run that applies a cached paragraph style at every step.
#include <benchmark/benchmark.h>

#include <qrvch.h>
#include <qrvex/gather.h>
#include <qrvex/styles.h>

#include <cstdint>

namespace {

struct Run {
    CHHandle h = 0;
    uint32_t first = CH_NO_ITEM;
    CUStyleSheet *sheet = nullptr;

    // A paragraph style (id 1) with a few attributes, then `items` attribute
    // items cycling through several handler families, ending in a text run.
    explicit Run(uint32_t items, bool with_styles) {
        CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h);
        const uint32_t record[7] = {0, 0, 1, 0, 0, CH_NO_ITEM, 0};
        uint32_t offset = 0;
        CHAppendStoreData(h, CH_STORE_STYLE_DATA, record, sizeof record, &offset);
        CHAppendTagBegin(h, CH_TAG_STYLE_DEFINITION, 0, offset, 1, 1, nullptr);
        const CHItem size{CH_ITEM_FONT_SIZE, 24, 0, 0};
        CHAppendItem(h, &size, nullptr);
        CHAppendTagEnd(h, CH_INNERMOST_TAG, nullptr);
        const CHItem cycle[] = {
            {CH_ITEM_CHAR_ATTR, 2, 1, 0},
            {CH_ITEM_FONT_SIZE, 12, 0, 0},
            {CH_ITEM_INDENTS, 10, 20, 30},
            {CH_ITEM_ATTR_12, 3, 0, 0},
            {CH_ITEM_CELL_154, 1, 50, 0},
            {CH_ITEM_INDENT_CHANGE, 0, 4, 5},
            {with_styles ? CH_ITEM_STYLE : CH_ITEM_ATTR_25, 0, 1, 0},
        };
        for (uint32_t i = 0; i < items; ++i)
            CHAppendItem(h, &cycle[i % (sizeof cycle / sizeof cycle[0])], i == 0 ? &first : nullptr);
        const QRVWCHAR x[] = {'x'};
        CHAppendText(h, x, 1, nullptr);
        CUCreateStyleSheet(&sheet, 4, h);
    }
    ~Run() {
        CUDestroyStyleSheet(&sheet);
        CHCloseDocument(h);
    }
};

void walk(benchmark::State &state, bool with_styles) {
    const auto items = static_cast<uint32_t>(state.range(0));
    Run run(items, with_styles);
    CHItem item{};
    uint32_t after_first = CH_NO_ITEM;
    CHGetItem(run.h, CH_STORE_ITEMS, run.first, &item, &after_first);
    CUParaChangeInfo para{};
    CUTextChangeInfo text{};
    CUCellChangeInfo cell{};
    for (auto _ : state) {
        uint32_t next = after_first;
        benchmark::DoNotOptimize(CUGatherChangeInfo(run.sheet, &para, &text, &cell, item, &next, CH_NO_ITEM, run.h));
        benchmark::DoNotOptimize(next);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * items);
}

void BM_GatherAttributeRun(benchmark::State &state) { walk(state, false); }
void BM_GatherRunApplyingStyles(benchmark::State &state) { walk(state, true); }

BENCHMARK(BM_GatherAttributeRun)->Arg(64)->Arg(4096);
BENCHMARK(BM_GatherRunApplyingStyles)->Arg(64)->Arg(4096);

}  // namespace
BENCHMARK_MAIN();
