// The contract of the nine operations: ids across chunk boundaries, the end
// of each store, ids that name nothing, bad handles and stores, locks.
#include "support/document.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qrv::test::Document;

constexpr const char *kFiveItems = R"(
    chunk-size 2
    text "abc"
    break PARAGRAPH
    string "name"
    TEXT_FRAME @frame
    section kind=1
    ATTR_12
    @frame: frame flags=0x10
    row 1
    row 2
)";

TEST(Operations, WalkVisitsEveryItemAcrossChunks) {
    Document doc(kFiveItems);
    std::vector<uint32_t> ids;
    for (uint32_t id = 0; id != CH_NO_ITEM; id = doc.next(id)) ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<uint32_t>{0, 1, 0x10000, 0x10001, 0x20000}));
    CHItem item;
    uint32_t next = 0;
    ASSERT_EQ(CHGetItem(doc.handle(), CH_STORE_ITEMS, 0x20000, &item, &next), 0u) << "the last item reads";
    EXPECT_EQ(next, CH_NO_ITEM) << "and no item follows it";
}

struct IdCase {
    uint32_t op;
    CHStore store;
    uint32_t id;
    uint32_t result;
    uint32_t out;  // written id, when result is 0
};

TEST(Operations, StepsAndIndexesGiveIdsOrFail) {
    Document doc(kFiveItems);
    const IdCase cases[] = {
        {CH_OP_NEXT_ITEM_ID, CH_STORE_ITEMS, 1, 0, 0x10000},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_ITEMS, 0x10001, 0, 0x20000},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_ITEMS, 0x20000, CH_ERR_NO_ITEM, 0},  // the last
        {CH_OP_NEXT_ITEM_ID, CH_STORE_ITEMS, 2, CH_ERR_NO_ITEM, 0},        // place beyond the chunk
        {CH_OP_NEXT_ITEM_ID, CH_STORE_ITEMS, 0x20001, CH_ERR_NO_ITEM, 0},  // beyond the last
        {CH_OP_PREV_ITEM_ID, CH_STORE_ITEMS, 0x10000, 0, 1},
        {CH_OP_PREV_ITEM_ID, CH_STORE_ITEMS, 0, CH_ERR_NO_ITEM, 0},
        {CH_OP_PREV_ITEM_ID, CH_STORE_ITEMS, CH_NO_ITEM, CH_ERR_NO_ITEM, 0},
        {CH_OP_GET_ITEM_ID, CH_STORE_ITEMS, 4, 0, 0x20000},
        {CH_OP_GET_ITEM_ID, CH_STORE_ITEMS, 5, CH_ERR_NO_ITEM, 0},
        {CH_OP_GET_ITEM_ID, CH_STORE_TABLE_ROWS, 1, 0, 1},
        {CH_OP_GET_ITEM_ID, CH_STORE_TABLE_ROWS, 2, CH_ERR_NO_ITEM, 0},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_TABLE_ROWS, 0, 0, 1},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_TABLE_ROWS, 1, CH_ERR_NO_ITEM, 0},
        {CH_OP_PREV_ITEM_ID, CH_STORE_TABLE_ROWS, 1, 0, 0},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_TEXT, 1, 0, 2},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_TEXT, 2, CH_ERR_NO_ITEM, 0},
        {CH_OP_NEXT_ITEM_ID, CH_STORE_SECTIONS, 0, CH_ERR_NO_ITEM, 0},
        {CH_OP_NEXT_ITEM_ID, 4, 0, CH_ERR_BAD_STORE, 0},
        {CH_OP_GET_ITEM_ID, 18, 0, CH_ERR_BAD_STORE, 0},
    };
    for (const auto &c : cases) {
        uint32_t out = 0xABCD;
        uint32_t result = 0;
        if (c.op == CH_OP_NEXT_ITEM_ID) result = CHNextItemId(doc.handle(), c.store, c.id, &out);
        if (c.op == CH_OP_PREV_ITEM_ID) result = CHPrevItemId(doc.handle(), c.store, c.id, &out);
        if (c.op == CH_OP_GET_ITEM_ID) result = CHGetItemId(doc.handle(), c.store, c.id, &out);
        EXPECT_EQ(result, c.result) << "op " << c.op << " store " << c.store << " id " << c.id;
        EXPECT_EQ(out, c.result ? 0xABCDu : c.out) << "op " << c.op << " store " << c.store << " id " << c.id;
    }
}

TEST(Operations, InAndOutIdsMayBeTheSameVariable) {
    Document doc(kFiveItems);
    uint32_t id = 1;
    CHItem item;
    ASSERT_EQ(CHGetItem(doc.handle(), CH_STORE_ITEMS, id, &item, &id), 0u);
    EXPECT_EQ(id, 0x10000u);
    ASSERT_EQ(CHNextItemId(doc.handle(), CH_STORE_ITEMS, id, &id), 0u);
    EXPECT_EQ(id, 0x10001u);
    ASSERT_EQ(CHPrevItemId(doc.handle(), CH_STORE_ITEMS, id, &id), 0u);
    EXPECT_EQ(id, 0x10000u);
}

TEST(Operations, GetItemCopiesOneEntryOfEachStore) {
    Document doc(R"(
        chunk-size 3
        text "xy"
        @w: words STYLE_DATA 0x11223344 5
        @f: frame flags=7
        record TAG_LIST 1 2 3
    )");
    const CHHandle h = doc.handle();
    uint32_t next = 0;
    QRVWCHAR ch = 0;
    EXPECT_EQ(CHGetItem(h, CH_STORE_TEXT, 1, &ch, &next), 0u);
    EXPECT_EQ(ch, u'y');
    EXPECT_EQ(next, CH_NO_ITEM);
    uint32_t word = 0;
    EXPECT_EQ(CHGetItem(h, CH_STORE_STYLE_DATA, 0, &word, &next), 0u);
    EXPECT_EQ(word, 0x11223344u);
    EXPECT_EQ(next, 4u);
    EXPECT_EQ(CHGetItem(h, CH_STORE_STYLE_DATA, 5, &word, &next), uint32_t{CH_ERR_NO_ITEM}) << "cut-off word";
    CHTextFrameRecord frame{};
    EXPECT_EQ(CHGetItem(h, CH_STORE_TEXT_FRAMES, 0, &frame, &next), 0u);
    EXPECT_EQ(frame.FrameFlags, 7u);
    CHTagListEntry entry{};
    EXPECT_EQ(CHGetItem(h, CH_STORE_TAG_LIST, 0, &entry, nullptr), 0u);
    EXPECT_EQ(entry.Key, 3u);
    CHItem item;
    EXPECT_EQ(CHGetItem(h, CH_STORE_ITEMS, 1, &item, &next), uint32_t{CH_ERR_NO_ITEM});
    EXPECT_EQ(CHGetItem(h, CH_STORE_ITEMS, 0, nullptr, &next), uint32_t{CH_ERR_BAD_ARG});
}

struct RangeCase {
    CHStore store;
    uint32_t first;
    uint32_t count;
    uint32_t result;
};

TEST(Operations, RangesMustLieInsideTheirStore) {
    Document doc(R"(
        text "hello"
        bytes STYLE_DATA 1 2 3 4
        record TAG_LIST 1 2 3
        record TAG_LIST 4 5 6
    )");
    const RangeCase cases[] = {
        {CH_STORE_TEXT, 0, 5, 0},
        {CH_STORE_TEXT, 3, 2, 0},
        {CH_STORE_TEXT, 5, 0, 0},  // empty range at the end
        {CH_STORE_TEXT, 3, 3, CH_ERR_RANGE},
        {CH_STORE_TEXT, 6, 0, CH_ERR_NO_ITEM},
        {CH_STORE_TEXT, 2, 0xFFFFFFFF, CH_ERR_RANGE},
        {CH_STORE_STYLE_DATA, 1, 3, 0},
        {CH_STORE_STYLE_DATA, 4, 1, CH_ERR_RANGE},
        {CH_STORE_TAG_LIST, 0, 2, 0},
        {CH_STORE_TAG_LIST, 1, 2, CH_ERR_RANGE},
        {CH_STORE_ITEMS, 0, 1, 0},
        {CH_STORE_STRINGS, 0, 0, 0},  // an empty store
        {CH_STORE_STRINGS, 0, 1, CH_ERR_RANGE},
        {5, 0, 0, CH_ERR_BAD_STORE},
    };
    for (const auto &c : cases) {
        uint8_t buffer[64] = {};
        void *address = nullptr;
        EXPECT_EQ(CHGetItems(doc.handle(), c.store, c.first, c.count, buffer), c.result)
            << "store " << c.store << " from " << c.first << " count " << c.count;
        EXPECT_EQ(CHLockItemRange(doc.handle(), c.store, c.first, c.count, &address), c.result);
        if (c.result == 0) {
            EXPECT_NE(address, nullptr);
            EXPECT_EQ(CHUnlockItemRange(doc.handle(), c.store, c.first, c.count), 0u);
        }
    }
    EXPECT_EQ(doc.locked_ranges(), 0u);
}

TEST(Operations, LockedRangesAreCountedAndMatchedExactly) {
    Document doc(R"(text "hello")");
    const CHHandle h = doc.handle();
    void *a = nullptr;
    void *b = nullptr;
    ASSERT_EQ(CHLockItemRange(h, CH_STORE_TEXT, 1, 3, &a), 0u);
    ASSERT_EQ(CHLockItemRange(h, CH_STORE_TEXT, 1, 3, &b), 0u);
    EXPECT_EQ(a, b);
    EXPECT_EQ(static_cast<const QRVWCHAR *>(a)[0], u'e');
    EXPECT_EQ(doc.locked_ranges(), 2u);
    QRVWCHAR more = u'!';
    EXPECT_EQ(CHAppendText(h, &more, 1, nullptr), uint32_t{CH_ERR_LOCKED}) << "no growth under a lock";
    EXPECT_EQ(CHUnlockItemRange(h, CH_STORE_TEXT, 1, 2), uint32_t{CH_ERR_NOT_LOCKED});
    EXPECT_EQ(CHUnlockItemRange(h, CH_STORE_STRINGS, 1, 3), uint32_t{CH_ERR_NOT_LOCKED});
    EXPECT_EQ(CHUnlockItemRange(h, CH_STORE_TEXT, 1, 3), 0u);
    EXPECT_EQ(CHUnlockItemRange(h, CH_STORE_TEXT, 1, 3), 0u);
    EXPECT_EQ(CHUnlockItemRange(h, CH_STORE_TEXT, 1, 3), uint32_t{CH_ERR_NOT_LOCKED});
    EXPECT_EQ(doc.locked_ranges(), 0u);
}

TEST(Operations, ClosingReportsRangesLeftLocked) {
    CHHandle h = 0;
    ASSERT_EQ(CHLoadDocumentText("text \"ab\"", 9, &h, nullptr, 0), 0u);
    void *address = nullptr;
    ASSERT_EQ(CHLockItemRange(h, CH_STORE_TEXT, 0, 2, &address), 0u);
    ASSERT_EQ(CHLockItemRange(h, CH_STORE_ITEMS, 0, 1, &address), 0u);
    EXPECT_EQ(CHCloseDocument(h), 2u);
    EXPECT_EQ(CHCloseDocument(h), uint32_t{CH_ERR_BAD_HANDLE}) << "a closed handle stays closed";
}

TEST(Operations, UnknownAndClosedHandlesAreRefused) {
    CHHandle closed = 0;
    ASSERT_EQ(CHNewDocument(4, &closed), 0u);
    ASSERT_EQ(CHCloseDocument(closed), 0u);
    CHItem item;
    uint32_t out = 0;
    void *address = nullptr;
    CHSectionInfo info;
    for (CHHandle h : {CHHandle{0}, CHHandle{1}, closed, CHHandle{0xFFFFFFFF}}) {
        EXPECT_EQ(CHGetItem(h, 0, 0, &item, &out), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHGetItems(h, 0, 0, 1, &item), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHLockItemRange(h, 0, 0, 1, &address), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHUnlockItemRange(h, 0, 0, 1), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHGetItemCount(h, 0, &out), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHGetItemId(h, 0, 0, &out), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHNextItemId(h, 0, 0, &out), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHPrevItemId(h, 0, 0, &out), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHGetSectionInfo(h, 1, 0, &info), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHAppendTableBegin(h, &out), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHFaultClear(h), uint32_t{CH_ERR_BAD_HANDLE});
    }
}

TEST(Operations, SectionInfoGivesFirstAndLastItems) {
    Document doc(R"(
        chunk-size 2
        section kind=4
        text "a"
        text "b"
        section kind=5
        text "c"
        section kind=6
    )");
    struct Case {
        CHStore store;
        uint32_t section;
        uint32_t result;
        CHSectionInfo info;
    };
    const Case cases[] = {
        {CH_STORE_SECTIONS, 0, 0, {4, 0, 1, 0}},
        {CH_STORE_ITEMS, 1, 0, {5, 0x10000, 0x10000, 0}},
        {CH_STORE_SECTIONS, 2, 0, {6, 0x10001, 0x10000, 0}},  // starts after the last item: empty
        {CH_STORE_SECTIONS, 3, CH_ERR_NO_ITEM, {}},
        {CH_STORE_TEXT, 0, CH_ERR_BAD_STORE, {}},
    };
    for (const auto &c : cases) {
        CHSectionInfo info{};
        EXPECT_EQ(CHGetSectionInfo(doc.handle(), c.store, c.section, &info), c.result) << c.section;
        if (c.result) continue;
        EXPECT_EQ(info.SectionKind, c.info.SectionKind) << c.section;
        EXPECT_EQ(info.FirstItemId, c.info.FirstItemId) << c.section;
        EXPECT_EQ(info.LastItemId, c.info.LastItemId) << c.section;
    }
    uint32_t entry = 0;
    CHItem record;
    ASSERT_EQ(CHGetItemId(doc.handle(), CH_STORE_SECTIONS, 1, &entry), 0u);
    ASSERT_EQ(CHGetItem(doc.handle(), CH_STORE_SECTIONS, entry, &record, nullptr), 0u);
    EXPECT_EQ(record.data2, 0x10000u);
}

TEST(Operations, CountsCoverEveryStore) {
    Document doc(kFiveItems);
    struct Case {
        CHStore store;
        uint32_t count;
    };
    const Case cases[] = {{0, 5},  {1, 1},  {2, 3},  {3, 0},  {7, 40}, {9, 4}, {10, 2},
                          {11, 0}, {12, 0}, {14, 0}, {15, 0}, {16, 0}, {17, 0}};
    for (const auto &c : cases) {
        uint32_t count = 99;
        EXPECT_EQ(CHGetItemCount(doc.handle(), c.store, &count), 0u);
        EXPECT_EQ(count, c.count) << "store " << c.store;
    }
    uint32_t count = 0;
    for (CHStore missing : {4u, 5u, 6u, 8u, 13u, 18u, 0xFFFFFFFFu})
        EXPECT_EQ(CHGetItemCount(doc.handle(), missing, &count), uint32_t{CH_ERR_BAD_STORE}) << missing;
}

}  // namespace
