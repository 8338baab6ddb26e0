// Walking a table into its row array, and reading back the chunker's row
// and cell records.
#include "navigate/chunk_doc.hpp"

#include <qrvex/tables.h>
#include <qrvplatform/platform.h>

#include <string>

namespace {

using qrv::chunktest::ChunkDoc;

// A table of `rows` rows of `cells` cells each; rows and cells carry store
// 10 and 11 records (row r has record id r, cell c of row r id r * cells + c
// in store 11).
std::string table_text(int rows, int cells) {
    std::string text = "@before: item 8 2 1\n@t: table-begin\n";
    for (int r = 0; r < rows; ++r) {
        text += "TABLE_ROW " + std::to_string(r) + "\n";
        for (int c = 0; c < cells; ++c) text += "TABLE_CELL " + std::to_string(r * cells + c) + "\nbreak CELL\n";
        text += "break ROW\n";
    }
    return text + "@tEnd: table-end\n@after: item 8 2 1\n";
}

struct TableInfo : CUTableInfo {
    TableInfo() : CUTableInfo{} {}
    ~TableInfo() { CUFreeTableInfo(this); }
};

TEST(TableInfo, ThirtyRowsGrowTheArrayByTenAndFreeIt) {
    const ChunkDoc d(table_text(30, 2));
    const size_t blocks_before = QrvGlobalLiveBlocks();
    CUTableInfo info{};
    ASSERT_EQ(CUGetTableInfo(d["t"], &info, d.h()), 0u);
    EXPECT_EQ(info.RowCount, 30);
    EXPECT_EQ(info.MaxCells, 2);
    EXPECT_EQ(info.InTable, 1u);
    EXPECT_EQ(info.TableBeginId, d["t"]);
    // 5 rows first, then 15, 25 and 35 as the 5th, 15th and 25th rows end.
    EXPECT_EQ(info.Memory.BytesHeld, 35 * sizeof(CUTableRow));
    for (uint16_t r = 0; r < info.RowCount; ++r) {
        EXPECT_EQ(info.Rows[r].CellCount, 2);
        EXPECT_EQ(info.Rows[r].RowItemId, r);
        EXPECT_EQ(info.Rows[r].FirstCellId, r * 2u);
    }
    EXPECT_EQ(QrvGlobalLiveBlocks(), blocks_before + 1);
    EXPECT_EQ(CUFreeTableInfo(&info), 0u);
    EXPECT_EQ(info.RowsHandle, nullptr);
    EXPECT_EQ(info.Memory.BytesHeld, 0u);
    EXPECT_EQ(QrvGlobalLiveBlocks(), blocks_before);
}

TEST(TableInfo, NestedTableRowsAndCellsAreNotCounted) {
    const ChunkDoc d(R"(
@t:  table-begin
       TABLE_ROW 0
       TABLE_CELL 0
       break CELL
@in:   table-begin
         TABLE_ROW 7
         TABLE_CELL 7
         break CELL
         break CELL
         break ROW
         break ROW
@inX:    item 8 2 1
       table-end
       begin 0x20050000
         break ROW
       end
       break CELL
       break ROW
     table-end
)");
    const struct { const char *from; } starts[] = {{"t"}, {"inX"}};
    TableInfo info;
    ASSERT_EQ(CUGetTableInfo(d["t"], &info, d.h()), 0u);
    EXPECT_EQ(info.RowCount, 1);
    EXPECT_EQ(info.Rows[0].CellCount, 2);
    EXPECT_EQ(info.Rows[0].RowItemId, 0u);
    for (const auto &s : starts) {
        TableInfo nested;
        EXPECT_EQ(CUGetTableInfo(d[s.from], &nested, d.h()), 0u) << s.from;
        EXPECT_EQ(nested.TableBeginId, d[s.from == std::string("t") ? "t" : "in"]) << s.from;
    }
}

TEST(TableInfo, ResultsForTablesWithoutRowsWithoutItemsToTheirEndAndForNoTable) {
    const ChunkDoc d(R"(
@x:  item 8 2 1
@t:  table-begin
       TABLE_CELL 0
       break CELL
     table-end
)");
    TableInfo info;
    EXPECT_EQ(CUGetTableInfo(d["t"], &info, d.h()), uint32_t{QRV_E_NO_ROWS});
    EXPECT_EQ(info.RowCount, 0);
    TableInfo none;
    EXPECT_EQ(CUGetTableInfo(d["x"], &none, d.h()), uint32_t{QRV_E_NOT_FOUND});
    EXPECT_EQ(none.RowsHandle, nullptr);

    // The index says the table ends, but the items stop after its first row:
    // the walk reads the id -1 that follows the last item and hands back
    // the chunker's answer.
    const ChunkDoc cut(R"(
@t:  table-begin
       TABLE_CELL 0
       break CELL
       break ROW
     record TABLE_INDEX TABLE_END 0 0 0x7fff0000
)");
    TableInfo partial;
    EXPECT_EQ(CUGetTableInfo(cut["t"], &partial, cut.h()), uint32_t{CH_ERR_NO_ITEM});
    EXPECT_EQ(partial.RowCount, 1);
}

// RowMark takes the row count at a row end whose following item lies before
// the given id while it is still 0: the first such end leaves it 0, the
// second makes it 1, and from then on it stays.
TEST(TableInfo, RowMarkIsTheLastRowEndedWellBeforeTheGivenId) {
    const ChunkDoc d(R"(
@t:  table-begin
       break ROW
       break ROW
@r2:   TABLE_ROW 2
       break ROW
@late: item 8 2 1
     table-end
)");
    const struct {
        const char *id;
        uint16_t mark;
    } cases[] = {{"t", 0}, {"r2", 0}, {"late", 1}};
    for (const auto &c : cases) {
        TableInfo info;
        EXPECT_EQ(CUGetTableInfo(d[c.id], &info, d.h()), 0u);
        EXPECT_EQ(info.RowMark, c.mark) << c.id;
        EXPECT_EQ(info.RowCount, 3);
    }
}

TEST(TableInfo, ANewWalkReusesTheBlock) {
    const ChunkDoc d(table_text(12, 1));
    TableInfo info;
    ASSERT_EQ(CUGetTableInfo(d["t"], &info, d.h()), 0u);
    const QRVHGLOBAL block = info.RowsHandle;
    ASSERT_EQ(CUGetTableInfo(d["t"], &info, d.h()), 0u);
    EXPECT_EQ(info.RowsHandle, block);
    EXPECT_EQ(info.RowCount, 12);
    EXPECT_EQ(info.Rows[11].CellCount, 1);
}

TEST(TableInfo, FailuresReturnTheirCodes) {
    const ChunkDoc d(table_text(8, 1));
    const struct {
        uint32_t fail_allocation;  // 0: fail a chunker read instead
        uint32_t expected;
    } cases[] = {{1, QRV_E_NO_MEMORY}, {2, QRV_E_NO_MEMORY}, {0, 0x777}};
    for (const auto &c : cases) {
        const size_t blocks_before = QrvGlobalLiveBlocks();
        if (c.fail_allocation)
            QrvGlobalFailAfter(c.fail_allocation);
        else
            CHFaultAfterCalls(d.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, 6, 0x777, 0);
        {
            TableInfo info;
            EXPECT_EQ(CUGetTableInfo(d["t"], &info, d.h()), c.expected) << c.fail_allocation;
        }
        QrvGlobalFailAfter(0);
        CHFaultClear(d.h());
        EXPECT_EQ(QrvGlobalLiveBlocks(), blocks_before);
    }
}

TEST(TableInfo, RowAndCellRecordsWithIndexesChecked) {
    ChunkDoc d;
    auto record = [&](CHStore store, uint32_t first_word) {
        uint32_t id = 0;
        EXPECT_EQ(CHAppendStoreData(d.h(), store, &first_word, sizeof first_word, &id), 0u);
        return id;
    };
    const uint32_t row0 = record(CH_STORE_TABLE_ROWS, 1), row1 = record(CH_STORE_TABLE_ROWS, 2);
    const uint32_t cell0 = record(CH_STORE_TABLE_CELLS, 10);
    record(CH_STORE_TABLE_CELLS, 11);
    uint32_t table = 0;
    CHAppendTableBegin(d.h(), &table);
    d.append(CH_ITEM_TABLE_ROW, row0);
    d.append(CH_ITEM_TABLE_CELL, cell0);
    d.append(CH_ITEM_BREAK, CH_BREAK_CELL);
    d.append(CH_ITEM_TABLE_CELL, cell0 + 1);
    d.append(CH_ITEM_BREAK, CH_BREAK_CELL);
    d.append(CH_ITEM_BREAK, CH_BREAK_ROW);
    d.append(CH_ITEM_TABLE_ROW, row1);
    d.append(CH_ITEM_BREAK, CH_BREAK_CELL);
    d.append(CH_ITEM_BREAK, CH_BREAK_ROW);
    CHAppendTableEnd(d.h(), nullptr);
    TableInfo info;
    ASSERT_EQ(CUGetTableInfo(table, &info, d.h()), 0u);

    const struct {
        uint16_t row;
        uint32_t result;
        uint32_t height;
    } rows[] = {{0, 0, 1}, {1, 0, 2}, {2, QRV_E_BAD_ARG, 0}};
    for (const auto &r : rows) {
        CHTableRowRecord got{};
        EXPECT_EQ(CUGetRowInfo(&info, r.row, &got, d.h()), r.result) << r.row;
        EXPECT_EQ(got.Height, r.height) << r.row;
    }
    // Row 1 has a cell end but no cell item: the row index comes back.
    const struct {
        uint16_t row, cell;
        uint32_t result;
        uint32_t width;
    } cells[] = {{0, 0, 0, 10}, {0, 1, 0, 11}, {0, 2, QRV_E_BAD_ARG, 0}, {1, 0, 1, 0}, {2, 0, QRV_E_BAD_ARG, 0}};
    for (const auto &c : cells) {
        CHTableCellRecord got{};
        EXPECT_EQ(CUGetCellInfo(&info, c.row, c.cell, &got, d.h()), c.result) << c.row << "," << c.cell;
        EXPECT_EQ(got.Width, c.width) << c.row << "," << c.cell;
    }
}

TEST(TableInfo, MalformedTablesReturn) {
    ChunkDoc deep;
    const uint32_t table = [&] {
        uint32_t id = 0;
        CHAppendTableBegin(deep.h(), &id);
        return id;
    }();
    for (int i = 0; i < 100000; ++i) deep.begin(0x20050000);
    deep.append(CH_ITEM_BREAK, CH_BREAK_ROW);
    TableInfo unterminated;
    EXPECT_NE(CUGetTableInfo(table, &unterminated, deep.h()), 0u);
    EXPECT_EQ(unterminated.RowCount, 0);

    ChunkDoc looping(1 << 16);
    uint32_t begin = 0;
    CHAppendTableBegin(looping.h(), &begin);
    const uint32_t row_end = looping.append(CH_ITEM_BREAK, CH_BREAK_ROW);
    CHAppendTableEnd(looping.h(), nullptr);
    CHFaultRedirectId(looping.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, row_end, begin);
    TableInfo info;
    EXPECT_EQ(CUGetTableInfo(begin, &info, looping.h()), uint32_t{QRV_E_INCONSISTENT});
    EXPECT_EQ(info.RowCount, 1);
}

}  // namespace
