// Spreadsheet and database cells over small documents in the chunker's text
// format.
#include <gtest/gtest.h>

#include <qrvch.h>
#include <qrvex/cells.h>

#include <cstring>
#include <vector>

namespace {

// Opens a document for one test and checks on close that no range stayed
// locked.
struct Doc {
    CHHandle h = 0;
    explicit Doc(const char *text) {
        char err[256] = {};
        EXPECT_EQ(CHLoadDocumentText(text, std::strlen(text), &h, err, sizeof err), 0u) << err;
    }
    ~Doc() { EXPECT_EQ(CHCloseDocument(h), 0u); }
};

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
    ASSERT_EQ(CUGetSSSectionParams(0, &params, doc.h), 0u);
    EXPECT_EQ(params.SectionNumber, 0u);
    EXPECT_EQ(params.LayoutValue1, 5u);
    EXPECT_EQ(params.LayoutValue2, 6u);
    EXPECT_EQ(params.ListItemId, 1u);
    EXPECT_EQ(params.ByColumn, 0u);
    EXPECT_EQ(params.LineLength, 3u);
    EXPECT_EQ(params.ListLength, 3u);
    std::vector<uint32_t> widths(3), names(3);
    EXPECT_EQ(CUGatherSSDBCellWidths(0, widths.data(), doc.h), 0u);
    EXPECT_EQ(widths, (std::vector<uint32_t>{1200, 0, 30}));
    EXPECT_EQ(CUFindSSDBCellNameIds(0, names.data(), doc.h), 0u);
    EXPECT_EQ(names, (std::vector<uint32_t>{100, 101, 102}));
    EXPECT_EQ(CUGatherSSDBCellWidths(6, widths.data(), doc.h), 37u);  // a break first
}

TEST(SpreadsheetCells, CellBeginsInRowOrderAndBack) {
    Doc doc(kSheet);
    CUSSCellState state{};
    state.SectionNumber = 0xFFFFFFFFu;
    const struct { uint32_t row, column, id; } asks[] = {
        {0, 0, 7}, {0, 1, 8}, {0, 2, 9}, {1, 0, 9}, {1, 2, 9},  // inside the empty run
        {2, 0, 10}, {2, 1, 15}, {2, 2, 16},                     // a later run
        {0, 1, 8},                                              // earlier: back to the start
        {2, 2, 16}, {2, 1, 15},                                 // earlier within the run
        {0, 3, 0xFFFFFFFFu}, {3, 0, 0xFFFFFFFFu},               // out of range, beyond the runs
    };
    for (const auto &a : asks)
        EXPECT_EQ(CUGetSSCellBeginId(&state, 0, a.row, a.column, doc.h), a.id) << a.row << "," << a.column;
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
    ASSERT_EQ(CUGetSSSectionParams(0, &params, doc.h), 0u);
    EXPECT_EQ(params.ByColumn, 1u);
    EXPECT_EQ(params.LineLength, 3u);  // 2, plus the one field entry
    EXPECT_EQ(params.ListItemId, 4u);
    CUSSCellState state{};
    state.SectionNumber = 0xFFFFFFFFu;
    // (first, second) = (1, 0) is cell 1; (0, 1) is cell 3.
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 1, 0, doc.h), 9u);
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 0, 1, doc.h), 11u);
    EXPECT_EQ(CUGetSSCellBeginId(&state, 0, 3, 0, doc.h), 0xFFFFFFFFu);
    std::vector<uint32_t> widths(1);
    EXPECT_EQ(CUGatherSSDBCellWidths(0, widths.data(), doc.h), 0u);
    EXPECT_EQ(widths[0], 1u);  // the column entry: flag bit 1, its own value
}

TEST(SpreadsheetCells, MergeRanges) {
    Doc doc(kSheet);
    LUList *ranges = LUCreateList(sizeof(CUSSMergeRange), 2, 2);
    EXPECT_EQ(CUGetSSCellMergeInfo(7, 20, ranges, doc.h), 0u);
    ASSERT_EQ(ranges->ItemCount, 1u);
    const auto &range = *static_cast<const CUSSMergeRange *>(ranges->Items);
    EXPECT_EQ(range.SecondValue, 3u);
    EXPECT_EQ(range.SecondData1, 4u);
    EXPECT_EQ(range.FirstValue, 1u);
    EXPECT_EQ(range.FirstData1, 2u);
    EXPECT_EQ(CUGetSSCellMergeInfo(7, 11, ranges, doc.h), 0u);  // limit before the list
    EXPECT_EQ(CUGetSSCellMergeInfo(13, 20, ranges, doc.h), 0u);
    EXPECT_EQ(ranges->ItemCount, 1u);
    LUFreeList(&ranges);
    Doc broken("item 208\nitem 209 1 2\nitem 70\nitem 210\n");
    EXPECT_EQ(CUGetSSCellMergeInfo(0, 10, nullptr, broken.h), 15u);
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
    const struct { const char *name; uint32_t got, expected; } cases[] = {
        {"end from a cell item", CUFindSSDBCellEndId(0, doc.h), 0},
        {"end past a skippable tag", CUFindSSDBCellEndId(1, doc.h), 5},
        {"end after a tag begin", CUFindSSDBCellEndId(2, doc.h), 5},
        {"cell tag", CUFindSSCellTagInLineId(1, doc.h), 2},
        {"cell tag after a cell", CUFindSSCellTagInLineId(3, doc.h), 0xFFFFFFFFu},
        {"field list", CUFindDBStartFieldInfoId(0, 20, doc.h), 8},
        {"field list past the limit", CUFindDBStartFieldInfoId(0, 7, doc.h), 0xFFFFFFFFu},
        {"first format", CUGetDBCellFormatId(0, 0, doc.h), 7},
        {"second format", CUGetDBCellFormatId(0, 1, doc.h), 9},
        {"no third format", CUGetDBCellFormatId(0, 2, doc.h), 0xFFFFFFFFu},
    };
    for (const auto &c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

}  // namespace
