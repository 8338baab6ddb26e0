// Spreadsheet and database cells over small documents in the chunker's text
// format.
#include "support/document.hpp"

#include <gtest/gtest.h>

#include <qrvex/cells.h>

#include <algorithm>
#include <vector>

namespace {

using Doc = qrv::test::Document;

// Items are numbered from 0 in the order written (one chunk).
const char *const kSheet = R"(
section kind=0
item 84 5 6
item 76
item 77 10 100 1
item 77 20 101 5
item 77 30 102 2
item 78
item 0 1
cell-run count=7
item 70
item 71
item 87 0x40000
item 72
item 208
item 209 1 2
item 209 3 4
item 210
cell-run count=2
item 73
item 74
)";

TEST(SpreadsheetCells, SectionParametersAndColumns) {
    Doc doc(kSheet);
    CUSSSectionParams params{};
    ASSERT_EQ(CUGetSSSectionParams(0, &params, doc.handle()), 0u);
    EXPECT_EQ(params.SectionNumber, 0u);
    EXPECT_EQ(params.LayoutValue1, 5u);
    EXPECT_EQ(params.LayoutValue2, 6u);
    EXPECT_EQ(params.ListItemId, 1u);
    EXPECT_EQ(params.ByColumn, 0u);
    EXPECT_EQ(params.LineLength, 3u);
    EXPECT_EQ(params.ListLength, 3u);
    std::vector<uint32_t> widths(3), names(3);
    EXPECT_EQ(CUGatherSSDBCellWidths(0, widths.data(), doc.handle()), 0u);
    EXPECT_EQ(widths, (std::vector<uint32_t>{1200, 0, 30}));
    EXPECT_EQ(CUFindSSDBCellNameIds(0, names.data(), doc.handle()), 0u);
    EXPECT_EQ(names, (std::vector<uint32_t>{100, 101, 102}));
    EXPECT_EQ(CUGatherSSDBCellWidths(6, widths.data(), doc.handle()), 37u);  // a break first
}

// Walks that reach the last item read the id -1 after it like any other and
// hand back what the chunker answers.
TEST(SpreadsheetCells, WalksRunningOffTheDocumentGiveTheChunkersCode) {
    const struct {
        const char *name;
        const char *document;
        uint32_t (*call)(CHHandle);
    } cases[] = {
        {"section parameters without a break", "section kind=0\nitem 84 5 6\nitem 76\nitem 77 1 2 1\nitem 78\n",
         [](CHHandle h) {
             CUSSSectionParams params{};
             return CUGetSSSectionParams(0, &params, h);
         }},
        {"widths before any list", "item 84 5 6\n",
         [](CHHandle h) {
             uint32_t widths[4] = {};
             return CUGatherSSDBCellWidths(0, widths, h);
         }},
        {"widths of a list without its end", "item 80\nitem 82 1 2 1\n",
         [](CHHandle h) {
             uint32_t widths[4] = {};
             return CUGatherSSDBCellWidths(0, widths, h);
         }},
        {"names of a list without its end", "item 76\nitem 77 1 2 1\n",
         [](CHHandle h) {
             uint32_t names[4] = {};
             return CUFindSSDBCellNameIds(0, names, h);
         }},
        {"merge list without its end", "item 208\nitem 209 1 2\nitem 209 3 4\n",
         [](CHHandle h) { return CUGetSSCellMergeInfo(0, CH_NO_ITEM, nullptr, h); }},
    };
    for (const auto &c : cases) {
        Doc doc(c.document);
        EXPECT_EQ(c.call(doc.handle()), uint32_t{CH_ERR_NO_ITEM}) << c.name;
    }
}

TEST(SpreadsheetCells, CellBeginsInRowOrderAndBack) {
    Doc doc(kSheet);
    CUSSCellState state{};
    state.SectionNumber = 0xFFFFFFFFu;
    const struct {
        uint32_t row, column, id;
    } asks[] = {
        {0, 0, 7},           {0, 1, 8},           {0, 2, 9},  {1, 0, 9}, {1, 2, 9},  // inside the empty run
        {2, 0, 10},          {2, 1, 15},          {2, 2, 16},                        // a later run
        {0, 1, 8},                                                                   // earlier: back to the start
        {2, 2, 16},          {2, 1, 15},                                             // earlier within the run
        {0, 3, 0xFFFFFFFFu}, {3, 0, 0xFFFFFFFFu},                                    // out of range, beyond the runs
    };
    for (const auto &a : asks)
        EXPECT_EQ(CUGetSSCellBeginId(&state, 0, a.row, a.column, doc.handle()), a.id) << a.row << "," << a.column;
}

TEST(SpreadsheetCells, ByColumnSectionsIgnoreColumnLists) {
    Doc doc(R"(
section kind=0
item 75 0 2
item 76
item 77 1 1 2
item 78
item 80
item 82 4 9 1
item 81
item 0 1
cell-run count=4
item 70
item 71
item 72
item 73
)");
    CUSSSectionParams params{};
    ASSERT_EQ(CUGetSSSectionParams(0, &params, doc.handle()), 0u);
    EXPECT_EQ(params.ByColumn, 1u);
    EXPECT_EQ(params.LineLength, 3u);  // 2, plus the one field entry
    EXPECT_EQ(params.ListItemId, 4u);
    CUSSCellState state{};
    state.SectionNumber = 0xFFFFFFFFu;
    // (first, second) = (1, 0) is cell 1; (0, 1) is cell 3.
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 1, 0, doc.handle()), 9u);
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 0, 1, doc.handle()), 11u);
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 3, 0, doc.handle()), 0xFFFFFFFFu);
    std::vector<uint32_t> widths(1);
    EXPECT_EQ(CUGatherSSDBCellWidths(0, widths.data(), doc.handle()), 0u);
    EXPECT_EQ(widths[0], 1u);  // the column entry: flag bit 1, its own value
}

TEST(SpreadsheetCells, MergeRanges) {
    Doc doc(kSheet);
    LUList *ranges = LUCreateList(sizeof(CUSSMergeRange), 2, 2);
    EXPECT_EQ(CUGetSSCellMergeInfo(7, 20, ranges, doc.handle()), 0u);
    ASSERT_EQ(ranges->ItemCount, 1u);
    const auto &range = *static_cast<const CUSSMergeRange *>(ranges->Items);
    EXPECT_EQ(range.SecondValue, 3u);
    EXPECT_EQ(range.SecondData1, 4u);
    EXPECT_EQ(range.FirstValue, 1u);
    EXPECT_EQ(range.FirstData1, 2u);
    EXPECT_EQ(CUGetSSCellMergeInfo(7, 11, ranges, doc.handle()), 0u);  // limit before the list
    EXPECT_EQ(CUGetSSCellMergeInfo(13, 20, ranges, doc.handle()), 0u);
    EXPECT_EQ(ranges->ItemCount, 1u);
    LUFreeList(&ranges);
    Doc broken("item 208\nitem 209 1 2\nitem 70\nitem 210\n");
    EXPECT_EQ(CUGetSSCellMergeInfo(0, 10, nullptr, broken.handle()), 15u);
}

TEST(SpreadsheetCells, CellEndsAndSearches) {
    Doc doc(R"(
item 70
item 7 0 0
begin 0x20130000
item 7 0 0
end
item 7 0 0
item 45
item 83
item 80
item 83
item 71
)");
    const struct {
        const char *name;
        uint32_t got, expected;
    } cases[] = {
        {"end from a cell item", CUFindSSDBCellEndId(0, doc.handle()), 0},
        {"end past a skippable tag", CUFindSSDBCellEndId(1, doc.handle()), 5},
        {"end after a tag begin", CUFindSSDBCellEndId(2, doc.handle()), 5},
        {"cell tag", CUFindSSCellTagInLineId(1, doc.handle()), 2},
        {"cell tag after a cell", CUFindSSCellTagInLineId(3, doc.handle()), 0xFFFFFFFFu},
        {"field list", CUFindDBStartFieldInfoId(0, 20, doc.handle()), 8},
        {"field list past the limit", CUFindDBStartFieldInfoId(0, 7, doc.handle()), 0xFFFFFFFFu},
        {"first format", CUGetDBCellFormatId(0, 0, doc.handle()), 7},
        {"second format", CUGetDBCellFormatId(0, 1, doc.handle()), 9},
        {"no third format", CUGetDBCellFormatId(0, 2, doc.handle()), 0xFFFFFFFFu},
    };
    for (const auto &c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

// A database section: a field list whose entries give widths by their flag
// bits (bit 2 is not looked at), then one run of four cells; the first cell
// holds cell values around a skippable tag and a text run.
constexpr const char *kDatabase = R"(
         section kind=1
         item 84 3 4
@fields: FIELD_LIST_BEGIN
         FIELD_ENTRY 10 200 1
         FIELD_ENTRY 20 201 2
         FIELD_ENTRY 30 202 0
         FIELD_ENTRY 40 203 5
         FIELD_LIST_END
         break PARAGRAPH
         cell-run count=4
@c0:     SS_CELL_70
         CELL_147 3
@c148:   CELL_148 4
         begin 0x20050000
           CELL_150 5
         end
@text:   text "x"
         CELL_151 6
         CELL_152 7
@c153:   CELL_153 8
         CELL_154 2 100
@c1:     SS_CELL_71
@c2:     SS_STYLED_CELL_72
@c3:     SS_STYLED_CELL_73
)";

TEST(DatabaseCells, FieldListGivesParametersWidthsAndNames) {
    Doc doc(kDatabase);
    CUSSSectionParams params{};
    ASSERT_EQ(CUGetSSSectionParams(0, &params, doc.handle()), 0u);
    EXPECT_EQ(params.ListItemId, doc.id("fields"));
    EXPECT_EQ(params.ByColumn, 0u);
    EXPECT_EQ(params.LineLength, 4u);
    EXPECT_EQ(params.ListLength, 4u);
    EXPECT_EQ(params.LayoutValue1, 3u);
    std::vector<uint32_t> widths(4), names(4);
    EXPECT_EQ(CUGatherSSDBCellWidths(0, widths.data(), doc.handle()), 0u);
    EXPECT_EQ(widths, (std::vector<uint32_t>{1200, 20, 0xFFFFFFFFu, 4800}));
    EXPECT_EQ(CUFindSSDBCellNameIds(0, names.data(), doc.handle()), 0u);
    EXPECT_EQ(names, (std::vector<uint32_t>{200, 201, 202, 203}));

    CUSSCellState state{};
    state.SectionNumber = 0xFFFFFFFFu;
    const struct {
        uint32_t row, column;
        const char *cell;
    } asks[] = {{0, 0, "c0"}, {0, 3, "c3"}, {0, 1, "c1"}, {0, 4, nullptr}, {1, 0, nullptr}};
    for (const auto &a : asks)
        EXPECT_EQ(CUGetSSCellBeginId(&state, 0, a.row, a.column, doc.handle()), a.cell ? doc.id(a.cell) : 0xFFFFFFFFu)
            << a.row << "," << a.column;
}

// Only cell value items are gathered; each goes through the change walk,
// which takes the last id minus one as its bound, so the items at and just
// before the last id are left out.
TEST(DatabaseCells, CellValuesAreGatheredUpToTheLastId) {
    Doc doc(kDatabase);
    CUStyleSheet *sheet = nullptr;
    ASSERT_EQ(CUCreateStyleSheet(&sheet, 2, doc.handle()), 0u);
    constexpr uint32_t kUntouched = 0xEE;
    const struct {
        const char *last;
        const char *fail_at;  // a read that fails, or nullptr
        uint32_t result;
        CUCellChangeInfo cell;  // FilterWord0, 151, 147, 148, 150, 154, 154 scaled, 152, 153, FilterWord9
    } cases[] = {
        {"c1", nullptr, 0, {kUntouched, 6, 3, 4, kUntouched, 2, 255, 7, 8, kUntouched}},
        {"c153", nullptr, 0, {kUntouched, 6, 3, 4, kUntouched, kUntouched, kUntouched, 7, kUntouched, kUntouched}},
        {"c1",
         "c148",
         0x66,
         {kUntouched, kUntouched, 3, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched,
          kUntouched}},
        {"c1",
         "text",
         0,
         {kUntouched, kUntouched, 3, 4, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "up to " << c.last << ", failing at " << (c.fail_at ? c.fail_at : "none"));
        CHFaultClear(doc.handle());
        if (c.fail_at) CHFaultAtId(doc.handle(), CH_OP_GET_ITEM, CH_STORE_ITEMS, doc.id(c.fail_at), 0x66);
        CUCellChangeInfo cell;
        std::fill_n(reinterpret_cast<uint32_t *>(&cell), sizeof cell / 4, kUntouched);
        EXPECT_EQ(CUGatherSSDBCellInfo(sheet, &cell, doc.id("c0"), doc.id(c.last), CHItem{}, doc.handle()), c.result);
        const auto *got = reinterpret_cast<const uint32_t *>(&cell);
        const auto *expected = reinterpret_cast<const uint32_t *>(&c.cell);
        EXPECT_EQ(std::vector<uint32_t>(got, got + 10), std::vector<uint32_t>(expected, expected + 10));
    }
    CHFaultClear(doc.handle());
    CUCellChangeInfo cell{};
    EXPECT_EQ(CUGatherSSDBCellInfo(sheet, &cell, 0x7FFF0000u, 0xFFFFFFFEu, CHItem{}, doc.handle()), 0u)
        << "a start that names no item";
    CUDestroyStyleSheet(&sheet);
}

// Section 0 ends before the first cell run: asking for its cells fails and
// marks the state for a fresh read; section 1 then reads normally.
TEST(SpreadsheetCells, SectionWhoseRunsLieBeyondIt) {
    Doc doc(R"(
        section kind=0
        break PARAGRAPH
        section kind=0
        item 76
        item 77 10 100 1
        item 78
        break PARAGRAPH
        cell-run count=1
@cell:  SS_CELL_70
)");
    CUSSCellState state{};
    state.SectionNumber = 0xFFFFFFFFu;
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 0, 0, doc.handle()), 0xFFFFFFFFu);
    EXPECT_EQ(state.SectionNumber, 0xFFFFFFFFu);
    EXPECT_EQ(CUGetSSCellBeginId(&state, 1, 0, 0, doc.handle()), doc.id("cell"));
    EXPECT_EQ(state.SectionNumber, 1u);
}

}  // namespace
