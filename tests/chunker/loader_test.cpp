// The text format: what each line puts in which store, and the messages of
// texts with mistakes.
#include "support/document.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using qrv::test::Document;

std::vector<uint8_t> store_bytes(CHHandle h, CHStore store) {
    uint32_t count = 0;
    EXPECT_EQ(CHGetItemCount(h, store, &count), 0u);
    void *data = nullptr;
    if (count == 0 || CHLockItemRange(h, store, 0, count, &data) != 0) return {};
    uint32_t unit = 1;
    const uint32_t sizes[][2] = {{0, 16},  {1, 16},  {2, 2},  {9, 2},   {10, 16}, {11, 16},
                                 {12, 20}, {14, 16}, {15, 8}, {16, 12}, {17, 16}};
    for (auto [s, size] : sizes)
        if (s == store) unit = size;
    const auto *bytes = static_cast<const uint8_t *>(data);
    std::vector<uint8_t> copy(bytes, bytes + size_t{count} * unit);
    CHUnlockItemRange(h, store, 0, count);
    return copy;
}

std::vector<uint32_t> words(const std::vector<uint8_t> &bytes) {
    std::vector<uint32_t> out(bytes.size() / 4);
    if (!out.empty()) std::memcpy(out.data(), bytes.data(), out.size() * 4);
    return out;
}

struct ItemCase {
    const char *line;
    CHItem item;
};

TEST(TextFormat, ItemLinesGiveTheirFields) {
    const ItemCase cases[] = {
        {"item 8 2 1", {8, 2, 1, 0}},
        {"ATTR_12 3", {12, 3, 0, 0}},
        {"300 -1 0x10 7", {300, 0xFFFFFFFF, 0x10, 7}},
        {"TAG_BEGIN STYLE_DEFINITION", {67, 0xa008001c, 0, 0}},
        {"TAG_END 0x5|SKIPPABLE_BIT", {68, 0x20000005, 0, 0}},
        {"BREAK CELL", {0, 20, 0, 0}},
        {"item ITEM_BREAK BREAK_PAGE", {0, 22, 0, 0}},
        {"DATA_VALUE 0 MULTIPLIER_0_01 DOUBLE", {224, 0, 329, 4}},
        {"break ROW", {0, 19, 0, 0}},
        {"special NOT_TEXT_12", {24, 12, 0, 0}},
        {"special 0x100+2", {24, 0x102, 0, 0}},
        {"begin DOC_PROPERTY 1 2", {67, 0xa0010004, 1, 2}},
        {"end SS_CELL", {68, 0x20130000, 0, 0}},
        {"TEXT_FRAME TAG_NUMBER_FORMAT-1", {804, 0xa00fffff, 0, 0}},
        {"item -2147483648", {0x80000000u, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        Document doc(c.line);
        const CHItem item = doc.item(0);
        EXPECT_EQ(std::memcmp(&item, &c.item, sizeof item), 0)
            << c.line << " gave " << item.type << " " << item.value << " " << item.data1 << " " << item.data2;
    }
}

TEST(TextFormat, DirectivesFillTheirStores) {
    Document doc(R"(
        chunk-size 2
        @s:    string "Ab" attribute=9
        @rec:  style-record 1 0 @s
        @beg:  begin STYLE_DEFINITION 0 @rec key=7
        @t:    text "x\u00e9\n"
               end
        @sec:  section kind=3
        @run:  cell-run
               SS_CELL_70
               EMPTY_CELLS 0x20000
               SS_CELL_74
        @tb:   table-begin
        @te:   table-end
        @f:    font id=3 name="Ar" attribute=5 value=6
        @fr:   frame flags=0x10
        @ll:   list-level bullet=0x2022 key=4 numbering=8
        @v:    value INT32_BE -2 multiplier=MULTIPLIER_1000
    )");
    const CHHandle h = doc.handle();
    EXPECT_EQ(doc.id("s"), 0u);
    EXPECT_EQ(doc.id("beg"), 1u);
    EXPECT_EQ(doc.id("t"), 0x10000u);
    EXPECT_EQ(doc.item(doc.id("s")).data1, 9u);
    EXPECT_EQ(doc.item(doc.id("t")).data1, 3u);
    EXPECT_EQ(words(store_bytes(h, CH_STORE_TAG_LIST)), (std::vector<uint32_t>{1, 0xa008001c, 7}));
    EXPECT_EQ(words(store_bytes(h, CH_STORE_STYLE_DATA)).size(), (28u + 36u) / 4);
    EXPECT_EQ(words(store_bytes(h, CH_STORE_STYLE_DATA))[5], 0xFFFFFFFFu) << "parent defaults to none";
    EXPECT_EQ(words(store_bytes(h, CH_STORE_STYLE_DATA))[4], doc.id("s"));
    EXPECT_EQ(doc.id("ll"), 28u);
    EXPECT_EQ(words(store_bytes(h, CH_STORE_STYLE_DATA))[7 + 1], 0x2022u);
    // The section starts at the item after it; the run counts 1 + 2 + 1 cells.
    EXPECT_EQ(words(store_bytes(h, CH_STORE_SECTIONS)), (std::vector<uint32_t>{3, 0, 0, 0x20000}));
    EXPECT_EQ(words(store_bytes(h, CH_STORE_CELL_RUNS)), (std::vector<uint32_t>{0x20000, 4}));
    EXPECT_EQ(words(store_bytes(h, CH_STORE_TABLE_INDEX)),
              (std::vector<uint32_t>{16, 0, 0, doc.id("tb"), 17, 0, 0, doc.id("te")}));
    EXPECT_EQ(words(store_bytes(h, CH_STORE_FONTS)), (std::vector<uint32_t>{3, 5, 2, 2, 6}));
    EXPECT_EQ(words(store_bytes(h, CH_STORE_TEXT_FRAMES))[4], 0x10u);
    EXPECT_EQ(store_bytes(h, CH_STORE_STRINGS), (std::vector<uint8_t>{'A', 0, 'b', 0, 'A', 0, 'r', 0}));
    EXPECT_EQ(store_bytes(h, CH_STORE_TEXT), (std::vector<uint8_t>{'x', 0, 0xe9, 0, '\n', 0}));
    const CHItem value = doc.item(doc.id("v"));
    EXPECT_EQ(value.type, 224u);
    EXPECT_EQ(value.data1, 321u);
    EXPECT_EQ(value.data2, 13u);
    auto storage = store_bytes(h, CH_STORE_DATA_VALUES);
    EXPECT_EQ(std::vector<uint8_t>(storage.begin(), storage.begin() + 5),
              (std::vector<uint8_t>{0xff, 0xff, 0xff, 0xfe, 0}));
}

// Record lines: words given in place, then named fields on top; a field the
// line does not give keeps its default, and never overwrites a given word.
TEST(TextFormat, RecordLinesStoreTheirWordsAsWritten) {
    const struct {
        const char *line;
        std::vector<uint32_t> words;
    } cases[] = {
        {"list-level 0xA1 0xA2 0xA3 0xA4 0xA5 0xA6 0xA7 0xA8 0xA9",
         {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9}},
        {"list-level 1 0x00070002 3 key=9 bullet=0x25cf", {1, 0x000725cf, 3, 0, 0, 0, 9, 0, 0}},
        {"list-level numbering=8", {0, 0, 0, 0, 0, 0, 0, 0, 8}},
        {"style-record 1 2 3", {0, 0, 1, 2, 3, 0xFFFFFFFF, 0}},
        {"style-record 1 2 3 4 word7=5", {0, 0, 1, 2, 3, 4, 5}},
        {"frame 0x10 word10=3", {0, 0, 0, 0, 0x10, 0, 0, 0, 0, 3}},
    };
    for (const auto &c : cases) {
        Document doc(c.line);
        const CHStore store = c.line[0] == 'f' ? CH_STORE_TEXT_FRAMES : CH_STORE_STYLE_DATA;
        EXPECT_EQ(words(store_bytes(doc.handle(), store)), c.words) << c.line;
    }
}

TEST(TextFormat, LabelsMayBeUsedBeforeTheirLine) {
    Document doc(R"(
        TABLE_CELL @cell+1
        @cell: cell 1440
               cell 720
        record TAG_LIST @b STYLE_DEFINITION 5
        @b: TAG_BEGIN STYLE_DEFINITION
    )");
    EXPECT_EQ(doc.item(0).value, 1u);
    EXPECT_EQ(words(store_bytes(doc.handle(), CH_STORE_TAG_LIST)), (std::vector<uint32_t>{1, 0xa008001c, 5}));
}

struct StorageCase {
    const char *line;
    std::vector<uint8_t> bytes;
};

TEST(TextFormat, ValuesAreStoredInTheirStorageForm) {
    const StorageCase cases[] = {
        {"value INT32 -1", {0xff, 0xff, 0xff, 0xff}},
        {"value UINT32_BE 0x01020304", {1, 2, 3, 4}},
        {"value FLOAT 1.5", {0, 0, 0xc0, 0x3f}},
        {"value FLOAT_BE 1.5", {0x3f, 0xc0, 0, 0}},
        {"value DOUBLE 2", {0, 0, 0, 0, 0, 0, 0, 0x40}},
        {"value DOUBLE_BE -2", {0xc0, 0, 0, 0, 0, 0, 0, 0}},
        {"value EXT80 1", {0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f}},
        {"value EXT80_BE -0.5", {0xbf, 0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0}},
        {"value EXT80 0", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"value BCD 123.45", {70 - 11, 0x12, 0x34, 0x50, 0, 0, 0, 0}},
        {"value BCD -7", {0x80 | (70 - 13), 0x70, 0, 0, 0, 0, 0, 0}},
        {"value BCD 0.000", {0, 0, 0, 0, 0, 0, 0, 0}},
        {"value COMPACT -12.5", {(125 << 6 | 0x20 | 0x10 | 1) & 0xff, (125 << 6) >> 8, 0, 0}},
        {"value COMPACT 3", {3 << 6, 0, 0, 0}},
        {"value NONE_9", {}},
        {"value-bytes DOUBLE 0 0 0 0 0 0 0xff 0xff", {0, 0, 0, 0, 0, 0, 0xff, 0xff}},
    };
    for (const auto &c : cases) {
        Document doc(c.line);
        auto bytes = store_bytes(doc.handle(), CH_STORE_DATA_VALUES);
        ASSERT_EQ(bytes.size(), 16u) << c.line;
        std::vector<uint8_t> expected = c.bytes;
        expected.resize(16, 0);
        EXPECT_EQ(bytes, expected) << c.line;
    }
}

struct ErrorCase {
    const char *text;
    const char *message;
};

TEST(TextFormat, MistakesAreReportedWithLineAndColumn) {
    const ErrorCase cases[] = {
        {"text \"abc", "line 1, column 6: the string is not closed"},
        {"\n  frobnicate 1", "line 2, column 3: unknown directive 'frobnicate'"},
        {"begin STYLE_DEFINTION", "line 1, column 7: unknown name 'STYLE_DEFINTION'"},
        {"item 4294967296", "line 1, column 6: the number does not fit in 32 bits"},
        {"item -2147483649", "line 1, column 6: the number does not fit in 32 bits"},
        {"item 0x1g", "line 1, column 6: bad number '0x1g'"},
        {"TEXT @nowhere", "line 1, column 6: unknown label @nowhere"},
        {"@a: TEXT\n@a: TEXT", "line 2, column 1: label @a is already defined"},
        {"@a:\n", "line 1, column 1: a label needs something on its line to name"},
        {"@a: chunk-size 4", "line 1, column 1: this line makes nothing a label can name"},
        {"TEXT\nchunk-size 4", "line 2, column 1: chunk-size comes before the first item or store entry"},
        {"chunk-size 0", "line 1, column 12: a chunk holds 1 to 65536 items"},
        {"end", "line 1, column 1: 'end' without an open 'begin' needs a tag code"},
        {"break", "line 1, column 1: 'break' needs 1 value(s)"},
        {"table-begin 3", "line 1, column 13: too many values for 'table-begin'"},
        {"item 1 2 3 4 5", "line 1, column 14: too many values for 'item'"},
        {"section count=1", "line 1, column 9: 'section' takes no 'count='"},
        {"text abc", "line 1, column 6: a quoted string is expected"},
        {"text \"a\\q\"", "line 1, column 8: unknown escape \\q"},
        {"text \"\\u12\"", "line 1, column 7: \\u needs four hex digits"},
        {"text \"a\"b", "line 1, column 9: a space must follow a closing quote"},
        {"text \"\xc3\"", "line 1, column 7: bad UTF-8"},
        {"text \"\xc0\xaf\"", "line 1, column 7: bad UTF-8"},
        {"item \"x\"", "line 1, column 6: a number is expected, not a string"},
        {"item 1+", "line 1, column 8: a value is missing"},
        {"item 1*2", "line 1, column 7: unexpected '*'"},
        {"record TEXT 1", "line 1, column 8: 'record' writes to a store of records (not 0, 2, 3, 7 or 9)"},
        {"record 13 1", "line 1, column 8: no store has code 13"},
        {"record CELL_RUNS 1 2 3", "line 1, column 22: more words than the record holds"},
        {"bytes STRINGS 1", "line 1, column 7: 'bytes' writes to a byte store (3 or 7)"},
        {"bytes STYLE_DATA 256", "line 1, column 18: a byte is 0 to 255"},
        {"chars TEXT 0x10000", "line 1, column 12: a character is 0 to 0xffff"},
        {"style-record colour=1", "line 1, column 14: 'style-record' has no field 'colour'"},
        {"list-level bullet=0x10000", "line 1, column 19: the field holds 16 bits"},
        {"value DOUBLE x", "line 1, column 14: a floating-point number is expected"},
        {"value INT32 2147483648", "line 1, column 13: a signed 32-bit integer is expected"},
        {"value BCD 123456789012345", "line 1, column 11: a packed decimal holds at most 14 digits"},
        {"value COMPACT 67108864", "line 1, column 15: a compact value's digits must stay below 67108864"},
        {"value NONE_10 1", "line 1, column 15: this storage type takes no value"},
        {"value DOUBLE", "line 1, column 1: the value is missing"},
        {"value-bytes 4 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
         "line 1, column 54: too many values for 'value-bytes'"},
        {"font id=1 2", "line 1, column 11: values come before key=value pairs"},
        {"key=1 x", "line 1, column 1: a line starts with a directive or an item type"},
        {"item x=", "line 1, column 8: a value is missing after '='"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(qrv::test::load_error(c.text), c.message) << c.text;
    }
}

TEST(TextFormat, RunningOutOfIdsIsAMistake) {
    std::string text = "chunk-size 1\n";
    for (int i = 0; i < 0x10001; ++i) text += "TEXT\n";
    EXPECT_EQ(qrv::test::load_error(text), "line 65538, column 1: the document is full: no ids are left");
}

TEST(TextFormat, LoaderKeepsTheErrorBufferTerminated) {
    CHHandle h = 123;
    char small[8];
    EXPECT_EQ(CHLoadDocumentText("oops", 4, &h, small, sizeof small), uint32_t{CH_ERR_SYNTAX});
    EXPECT_EQ(h, 0u);
    EXPECT_STREQ(small, "line 1,");
    EXPECT_EQ(CHLoadDocumentText("oops", 4, &h, nullptr, 0), uint32_t{CH_ERR_SYNTAX});
    EXPECT_EQ(CHLoadDocumentFile("/nonexistent/doc.txt", &h, small, sizeof small), uint32_t{CH_ERR_BAD_ARG});
}

}  // namespace
