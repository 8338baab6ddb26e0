// Documents the chunker may hand over although no writer should make them:
// tags nested 100000 deep, tags that never end, ends without begins and ids
// that loop.  Every search must return, with its no-result value.
#include "navigate/chunk_doc.hpp"

#include <qrvex/navigate.h>

#include <functional>

namespace {

using qrv::chunktest::ChunkDoc;
using qrv::chunktest::kNone;

constexpr uint32_t kSkippable = 0x20050000u;

TEST(Malformed, TagsNestedOneHundredThousandDeep) {
    constexpr uint32_t kDepth = 100000;
    ChunkDoc d;
    const uint32_t start = d.append(CH_ITEM_CHAR_ATTR, 2, 1);
    const uint32_t outer = d.begin(kSkippable);
    for (uint32_t i = 1; i < kDepth; ++i) d.begin(kSkippable);
    for (uint32_t i = 1; i < kDepth; ++i) d.end();
    const uint32_t outer_end = d.end();
    const uint32_t special = d.append(CH_ITEM_SPECIAL_CHAR, 7);
    const uint32_t paragraph = d.append(CH_ITEM_BREAK, CH_BREAK_PARAGRAPH);
    const uint32_t inside = d.after(outer);

    EXPECT_EQ(CUSkipTag(inside, d.h()), special);
    EXPECT_EQ(CUSkipTagReverse(outer_end, d.h()), outer);
    EXPECT_EQ(CUFindTagEndId(outer, d.h()), outer_end);
    EXPECT_EQ(CUFindBreakEndId(start, kNone, kNone, CH_BREAK_PARAGRAPH, d.h()), paragraph);
    EXPECT_EQ(CUFindBreakBeginId(paragraph, CH_BREAK_LINE, d.h()), 0u);
    EXPECT_EQ(CUFindBreakBeginId(inside, CH_BREAK_LINE, d.h()), inside) << "the innermost skippable begin";
    EXPECT_EQ(CUFindSpecialCharId(7, start, kNone, d.h()), special);
    EXPECT_EQ(CUFindTagBeginId(start, kNone, 0x1234, d.h()), kNone);
    EXPECT_EQ(CUFindVectorHeaderId(start, kNone, d.h()), kNone);
    EXPECT_EQ(CUFindTextFrameId(start, kNone, 1, d.h()), kNone);
}

struct Search {
    const char *what;
    std::function<uint32_t(CHHandle, uint32_t start, uint32_t tag)> call;
    uint32_t expected;
};

// The forward searches, each started at `start` ahead of a skippable tag.
const Search kForward[] = {
    {"skip tag", [](CHHandle h, uint32_t, uint32_t tag) { return CUSkipTag(tag + 1, h); }, kNone},
    {"tag end", [](CHHandle h, uint32_t, uint32_t tag) { return CUFindTagEndId(tag, h); }, kNone},
    {"break end", [](CHHandle h, uint32_t s, uint32_t) { return CUFindBreakEndId(s, kNone, kNone, 1, h); }, kNone},
    {"special char", [](CHHandle h, uint32_t s, uint32_t) { return CUFindSpecialCharId(7, s, kNone, h); }, kNone},
    {"tag begin", [](CHHandle h, uint32_t s, uint32_t) { return CUFindTagBeginId(s, kNone, 0x1234, h); }, kNone},
    {"vector header", [](CHHandle h, uint32_t s, uint32_t) { return CUFindVectorHeaderId(s, kNone, h); }, kNone},
};

TEST(Malformed, ATagThatNeverEnds) {
    ChunkDoc d(1 << 16);
    const uint32_t start = d.append(CH_ITEM_CHAR_ATTR, 2, 1);
    const uint32_t tag = d.begin(kSkippable);
    d.append(CH_ITEM_SPECIAL_CHAR, 7);
    d.append(CH_ITEM_BREAK, CH_BREAK_PARAGRAPH);
    for (const Search &s : kForward) EXPECT_EQ(s.call(d.h(), start, tag), s.expected) << s.what;
}

TEST(Malformed, AnEndWithoutItsBegin) {
    ChunkDoc d;
    const uint32_t start = d.append(CH_ITEM_CHAR_ATTR, 2, 1);
    const uint32_t end = d.end(kSkippable);
    EXPECT_EQ(CUSkipTagReverse(end, d.h()), uint32_t{QRV_E_NOT_FOUND});
    EXPECT_EQ(CUFindTagEndId(start, d.h()), end);
    EXPECT_EQ(CUFindBreakBeginId(end, 1, d.h()), 0u);
    EXPECT_EQ(CUFindSpecialCharId(7, start, kNone, d.h()), end) << "taken as the end of an enclosing tag";
}

TEST(Malformed, NextIdsThatDoNotGrow) {
    // start, tag begin, x, tag end, y: the item after x is said to be the
    // tag begin again, or x itself.
    for (const bool to_itself : {false, true}) {
        ChunkDoc d(1 << 16);
        const uint32_t start = d.append(CH_ITEM_CHAR_ATTR, 2, 1);
        const uint32_t tag = d.begin(kSkippable);
        const uint32_t x = d.append(CH_ITEM_CHAR_ATTR, 2, 0);
        d.end();
        d.append(CH_ITEM_BREAK, CH_BREAK_PARAGRAPH);
        ASSERT_EQ(CHFaultRedirectId(d.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, x, to_itself ? x : tag), 0u);
        for (const Search &s : kForward) EXPECT_EQ(s.call(d.h(), start, tag), s.expected) << s.what;
        EXPECT_EQ(CUFindTextFrameId(start, kNone, 1, d.h()), kNone);
    }
}

TEST(Malformed, PreviousIdsThatDoNotShrink) {
    ChunkDoc d(1 << 16);
    d.append(CH_ITEM_CHAR_ATTR, 2, 1);
    d.begin(kSkippable);
    const uint32_t x = d.append(CH_ITEM_CHAR_ATTR, 2, 0);
    const uint32_t end = d.end();
    const uint32_t y = d.append(CH_ITEM_CHAR_ATTR, 2, 0);
    ASSERT_EQ(CHFaultRedirectId(d.h(), CH_OP_PREV_ITEM_ID, CH_STORE_ITEMS, x, end), 0u);
    ASSERT_EQ(CHFaultRedirectId(d.h(), CH_OP_PREV_ITEM_ID, CH_STORE_ITEMS, y, y), 0u);
    EXPECT_EQ(CUSkipTagReverse(end, d.h()), uint32_t{QRV_E_NOT_FOUND});
    EXPECT_EQ(CUFindBreakBeginId(y, 1, d.h()), 0u);
    EXPECT_EQ(CUFindBreakBeginId(end, 1, d.h()), 0u);
}

TEST(Malformed, IndexEntriesThatLoop) {
    ChunkDoc d(R"(
@t: table-begin
    item 8 2 1
    table-end
    begin STYLE_DEFINITION key=5
    end
    begin STYLE_DEFINITION key=7
    end
)");
    uint32_t first_table = kNone, first_tag = kNone;
    ASSERT_EQ(CHGetItemId(d.h(), CH_STORE_TABLE_INDEX, 0, &first_table), 0u);
    ASSERT_EQ(CHGetItemId(d.h(), CH_STORE_TAG_LIST, 0, &first_tag), 0u);
    CHFaultRedirectId(d.h(), CH_OP_GET_ITEM, CH_STORE_TABLE_INDEX, first_table, first_table);
    // Only the first entry is counted; the one after it is said to be itself.
    CHFaultReportCount(d.h(), CH_STORE_TAG_LIST, 1);
    CHFaultRedirectId(d.h(), CH_OP_NEXT_ITEM_ID, CH_STORE_TAG_LIST, first_tag, first_tag);
    EXPECT_EQ(CUFindTableEndId(d["t"], d.h()), kNone);
    EXPECT_EQ(CUFindTableBeginId(d["t"], 1, d.h()), d["t"]) << "the index ends at the loop, its table still open";
    uint32_t begin = 0, end = 0;
    EXPECT_EQ(CUGetTagListChangeId(6, CH_TAG_STYLE_DEFINITION, 0, &begin, &end, d.h()), uint32_t{QRV_E_NOT_FOUND});
}

TEST(Malformed, ChunkerFailuresGiveEachSearchItsNoResultValue) {
    const ChunkDoc d(R"(
@s: item 8 2 1
@b: begin 0x20050000
@x:   item 8 2 1
@e: end
    break 1
)");
    ASSERT_EQ(CHFaultAtId(d.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, d["x"], 0x999), 0u);
    for (const Search &s : kForward) EXPECT_EQ(s.call(d.h(), d["s"], d["b"]), s.expected) << s.what;
    EXPECT_EQ(CUSkipTagReverse(d["e"], d.h()), uint32_t{QRV_E_NOT_FOUND});
    EXPECT_EQ(CUFindBreakBeginId(d["x"], 1, d.h()), 0u);
}

}  // namespace
