// Speed of the item stream searches over long paragraphs: a run of text and
// attribute items with skippable tags that the searches jump over, ending in
// the break or special character they look for.
#include <benchmark/benchmark.h>

#include <qrvch.h>
#include <qrvex/navigate.h>

#include <cstdint>

namespace {

constexpr uint32_t kSkippableCode = 0x20050000u;
constexpr uint32_t kWantedSpecial = 7;

struct Paragraph {
    CHHandle h = 0;
    uint32_t first = CH_NO_ITEM;
    uint32_t last = CH_NO_ITEM;

    // `groups` times: an attribute item, a skippable tag holding `inside`
    // items, another attribute item; then a special character and a break.
    Paragraph(uint32_t groups, uint32_t inside) {
        CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h);
        const CHItem attribute{CH_ITEM_CHAR_ATTR, 2, 1, 0};
        const CHItem filler{CH_ITEM_FONT_SIZE, 12, 0, 0};
        CHAppendItem(h, &attribute, &first);
        for (uint32_t g = 0; g < groups; ++g) {
            CHAppendTagBegin(h, kSkippableCode, 0, 0, 0, 0, nullptr);
            for (uint32_t i = 0; i < inside; ++i) CHAppendItem(h, &filler, nullptr);
            CHAppendTagEnd(h, CH_INNERMOST_TAG, nullptr);
            CHAppendItem(h, &attribute, nullptr);
        }
        const CHItem special{CH_ITEM_SPECIAL_CHAR, kWantedSpecial, 0, 0};
        const CHItem paragraph_break{CH_ITEM_BREAK, CH_BREAK_PARAGRAPH, 0, 0};
        CHAppendItem(h, &special, nullptr);
        CHAppendItem(h, &paragraph_break, &last);
    }
    ~Paragraph() { CHCloseDocument(h); }
};

void BM_FindBreakEnd(benchmark::State &state) {
    const Paragraph doc(static_cast<uint32_t>(state.range(0)), static_cast<uint32_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CUFindBreakEndId(doc.first, doc.last, doc.last, CH_BREAK_PARAGRAPH, doc.h));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * (state.range(1) + 3));
}
BENCHMARK(BM_FindBreakEnd)->Args({100, 0})->Args({100, 10})->Args({1000, 4});

void BM_FindSpecialChar(benchmark::State &state) {
    const Paragraph doc(static_cast<uint32_t>(state.range(0)), 4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CUFindSpecialCharId(kWantedSpecial, doc.first, doc.last, doc.h));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 7);
}
BENCHMARK(BM_FindSpecialChar)->Arg(100)->Arg(1000);

void BM_SkipNestedTag(benchmark::State &state) {
    CHHandle h = 0;
    CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h);
    const auto depth = static_cast<uint32_t>(state.range(0));
    uint32_t outer = CH_NO_ITEM;
    for (uint32_t d = 0; d < depth; ++d) CHAppendTagBegin(h, kSkippableCode, 0, 0, 0, 0, d == 0 ? &outer : nullptr);
    for (uint32_t d = 0; d < depth; ++d) CHAppendTagEnd(h, CH_INNERMOST_TAG, nullptr);
    CHItem begin{};
    uint32_t inside = CH_NO_ITEM;
    CHGetItem(h, CH_STORE_ITEMS, outer, &begin, &inside);
    for (auto _ : state) benchmark::DoNotOptimize(CUSkipTag(inside, h));
    state.SetItemsProcessed(state.iterations() * depth * 2);
    CHCloseDocument(h);
}
BENCHMARK(BM_SkipNestedTag)->Arg(16)->Arg(1024);

}  // namespace

BENCHMARK_MAIN();
