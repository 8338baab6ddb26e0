// Dumping a document and loading the dump gives the same stores; the C
// builder keeps the index stores in step with the items.
#include "support/document.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qrv::test::Document;

// Every store of the document, byte for byte, read through the operations.
std::vector<std::vector<uint8_t>> all_stores(CHHandle h) {
    const CHStore stores[] = {0, 1, 2, 3, 7, 9, 10, 11, 12, 14, 15, 16, 17};
    const uint32_t unit[] = {16, 16, 2, 1, 1, 2, 16, 16, 20, 16, 8, 12, 16};
    std::vector<std::vector<uint8_t>> out;
    for (size_t i = 0; i < std::size(stores); ++i) {
        uint32_t count = 0;
        EXPECT_EQ(CHGetItemCount(h, stores[i], &count), 0u);
        std::vector<uint8_t> bytes(size_t{count} * unit[i]);
        uint32_t first = 0;
        if (count) {
            EXPECT_EQ(CHGetItemId(h, stores[i], 0, &first), 0u);
            EXPECT_EQ(CHGetItems(h, stores[i], first, count, bytes.data()), 0u) << "store " << stores[i];
        }
        out.push_back(bytes);
    }
    return out;
}

// Uses every store and every kind of line.
constexpr const char *kEveryStore = R"(
    chunk-size 3
    @name:   string "Heading 1" attribute=2
    @rec:    style-record kind=1 name=@name parent=4 word7=9
    @style:  begin STYLE_DEFINITION 0 @rec key=7
             ATTR_12 3
             end
    @ll:     list-level 1 2 3 bullet=0x25cf key=11 numbering=0x20008
             LIST_LEVEL_DATA 10 2 @ll
             property-id 0x1234
             bytes STYLE_DATA 1 2 3
             words STYLE_DATA -1
             section kind=2
             cell-run
             SS_CELL_70 0 0 0x50000
             EMPTY_CELLS 0x30000
             value DOUBLE 3.25 multiplier=MULTIPLIER_0_01
             value BCD -1.5
             value-bytes DOUBLE 0 0 0 0 0 0 0xff 0xff
             value NONE_9
             table-begin
    @row:    row 240 1
             TABLE_ROW @row
             TABLE_CELL @c1
    @c1:     cell 1440 0 1 1
             cell 720
             break ROW
             table-begin
             table-end
             table-end
             font id=3 name="Arial" attribute=0x10 value=7
             font id=4 name="Courier \"New\"" value=-1
    @frame:  frame flags=0x10 word10=5
             TEXT_FRAME @frame
             text "caf\u00e9 \u2615 \ud83d\ude00 tab\there\\"
             chars STRINGS 0 0xffff "\u0001"
             record TAG_LIST @style NUMBER_FORMAT 0xffffffff
             break PARAGRAPH
             special 0x101
             item 0xffffffff 0x80000000 1 2
)";

TEST(RoundTrip, DumpLoadsToTheSameStores) {
    Document original(kEveryStore);
    const std::string dump = original.dump();
    Document reloaded(dump);
    EXPECT_EQ(all_stores(reloaded.handle()), all_stores(original.handle())) << dump;
    EXPECT_EQ(reloaded.dump(), dump);
    uint32_t size = 0;
    CHGetChunkSize(reloaded.handle(), &size);
    EXPECT_EQ(size, 3u);
    for (const auto &store : all_stores(original.handle())) EXPECT_FALSE(store.empty()) << "every store is used";
}

std::vector<uint32_t> words_of(CHHandle h, CHStore store, uint32_t words_per_entry) {
    uint32_t count = 0;
    CHGetItemCount(h, store, &count);
    std::vector<uint32_t> words(size_t{count} * words_per_entry);
    if (count) CHGetItems(h, store, 0, count, words.data());
    return words;
}

TEST(Builder, AppendsKeepTheIndexStoresInStep) {
    CHHandle h = 0;
    ASSERT_EQ(CHNewDocument(2, &h), 0u);
    uint32_t section = 0, begin = 0, tb = 0, te = 0, run = 0, end = 0;
    const QRVWCHAR hi[] = {u'h', u'i'};
    ASSERT_EQ(CHAppendText(h, hi, 2, nullptr), 0u);
    ASSERT_EQ(CHAppendSection(h, 9, &section), 0u);
    ASSERT_EQ(CHAppendTagBegin(h, CH_TAG_NUMBER_FORMAT, 0, 0, 1, 42, &begin), 0u);
    ASSERT_EQ(CHAppendTagBegin(h, 0x20000001, 0, 0, 0, 0, nullptr), 0u);
    ASSERT_EQ(CHAppendTagEnd(h, CH_INNERMOST_TAG, nullptr), 0u);
    ASSERT_EQ(CHAppendTagEnd(h, CH_INNERMOST_TAG, &end), 0u);
    EXPECT_EQ(CHAppendTagEnd(h, CH_INNERMOST_TAG, nullptr), uint32_t{CH_ERR_BAD_ARG}) << "nothing open";
    ASSERT_EQ(CHAppendTableBegin(h, &tb), 0u);
    ASSERT_EQ(CHAppendCellRun(h, CH_COUNT_CELLS, &run), 0u);
    const CHItem cell{CH_ITEM_SS_STYLED_CELL_72, 1, 5, 0}, empties{CH_ITEM_EMPTY_CELLS, 0x20000, 0, 0};
    ASSERT_EQ(CHAppendItem(h, &cell, nullptr), 0u);
    ASSERT_EQ(CHAppendItem(h, &empties, nullptr), 0u);
    ASSERT_EQ(CHAppendCellRun(h, 10, nullptr), 0u);
    ASSERT_EQ(CHAppendItem(h, &cell, nullptr), 0u);
    ASSERT_EQ(CHAppendTableEnd(h, &te), 0u);
    const uint8_t storage[] = {1, 0, 0, 0};
    uint32_t value = 0;
    ASSERT_EQ(CHAppendDataValue(h, storage, 4, CH_STORAGE_INT32, 0, &value), 0u);
    EXPECT_EQ(CHAppendDataValue(h, storage, 17, CH_STORAGE_INT32, 0, nullptr), uint32_t{CH_ERR_BAD_ARG});
    ASSERT_EQ(CHAppendFont(h, 1, 2, hi, 2, 3, nullptr), 0u);
    EXPECT_EQ(CHAppendStoreData(h, CH_STORE_ITEMS, storage, 4, nullptr), uint32_t{CH_ERR_BAD_STORE});
    EXPECT_EQ(CHAppendStoreData(h, CH_STORE_TEXT, storage, 3, nullptr), uint32_t{CH_ERR_BAD_ARG}) << "half a char";

    EXPECT_EQ(section, 0u);
    EXPECT_EQ(begin, 1u);
    EXPECT_EQ(end, 0x20000u);
    EXPECT_EQ(words_of(h, CH_STORE_SECTIONS, 4), (std::vector<uint32_t>{9, 0, 0, begin}));
    EXPECT_EQ(words_of(h, CH_STORE_TAG_LIST, 3), (std::vector<uint32_t>{begin, CH_TAG_NUMBER_FORMAT, 42}));
    EXPECT_EQ(words_of(h, CH_STORE_TABLE_INDEX, 4), (std::vector<uint32_t>{16, 0, 0, tb, 17, 0, 0, te}));
    EXPECT_EQ(words_of(h, CH_STORE_CELL_RUNS, 2), (std::vector<uint32_t>{0x30000, 3, 0x40000, 10}));
    EXPECT_EQ(words_of(h, CH_STORE_FONTS, 5), (std::vector<uint32_t>{1, 2, 0, 2, 3}));
    CHItem item;
    ASSERT_EQ(CHGetItem(h, CH_STORE_ITEMS, value, &item, nullptr), 0u);
    EXPECT_EQ(item.type, uint32_t{CH_ITEM_DATA_VALUE});
    EXPECT_EQ(CHCloseDocument(h), 0u);
    EXPECT_EQ(CHNewDocument(0, &h), uint32_t{CH_ERR_BAD_ARG});
    EXPECT_EQ(CHNewDocument(0x10001, &h), uint32_t{CH_ERR_BAD_ARG});
}

}  // namespace
