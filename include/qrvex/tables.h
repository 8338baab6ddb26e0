/** @file
 * Tables: rows and cells of a table in the item stream. */
#ifndef QRVEX_TABLES_H
#define QRVEX_TABLES_H

#include "items.h"
#include "memory.h"

QRV_BEGIN_DECLS

/** One row of a table. */
typedef struct CUTableRow {
    uint16_t CellCount;         /**< cells in the row */
    uint16_t PadAfterCellCount; /**< padding */
    uint32_t RowItemId;         /**< id in store 10; CH_NO_ITEM until a row item is met */
    uint32_t FirstCellId; /**< id in store 11 of the first cell (CH_NO_ITEM until a cell item is met); the row's cells
                             follow it */
} CUTableRow;

/** The shape of a table, built by CUGetTableInfo.  RowsHandle must be 0, or
 * the block of an earlier walk of this record, when CUGetTableInfo is called;
 * CUFreeTableInfo releases it.  Memory.BytesHeld counts the row array. */
typedef struct CUTableInfo {
    uint16_t RowCount;         /**< row ends met */
    uint16_t RowMark;          /**< rows ended before the id given to CUGetTableInfo; 0 when never set */
    uint16_t MaxCells;         /**< largest CellCount among the rows completed */
    uint16_t PadAfterMaxCells; /**< padding */
    uint32_t TableBeginId;     /**< item id of the table begin */
    uint32_t FilterWord;       /**< belongs to the filter; not touched */
    uint32_t InTable;          /**< 1 once the table's own begin was read */
    QRVHGLOBAL RowsHandle;     /**< memory block of the row array; 0 before the first walk */
    CUTableRow *Rows;          /**< the row array (RowCount rows) */
    MUContext Memory;          /**< memory context; BytesHeld counts the row array */
} CUTableInfo;

QRV_LAYOUT_ASSERT(sizeof(CUTableRow) == 12, "CUTableRow is 12 bytes");
QRV_LAYOUT_ASSERT(offsetof(CUTableRow, FirstCellId) == 8, "CUTableRow.FirstCellId at 8");
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, TableBeginId) == 8, "CUTableInfo.TableBeginId at 8");
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, InTable) == 16, "CUTableInfo.InTable at 16");
#if QRV_PTR32
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, RowsHandle) == 20, "CUTableInfo.RowsHandle at 20");
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, Rows) == 24, "CUTableInfo.Rows at 24");
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, Memory) == 28, "CUTableInfo memory context at 28");
QRV_LAYOUT_ASSERT(sizeof(CUTableInfo) == 40, "CUTableInfo is 40 bytes");
#else
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, RowsHandle) == 24, "CUTableInfo.RowsHandle at 24");
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, Rows) == 32, "CUTableInfo.Rows at 32");
QRV_LAYOUT_ASSERT(offsetof(CUTableInfo, Memory) == 40, "CUTableInfo memory context at 40");
QRV_LAYOUT_ASSERT(sizeof(CUTableInfo) == 56, "CUTableInfo is 56 bytes");
#endif

/**
 * Walks the innermost table around an id and fills a table record: its row
 * count, widest row, and for every row its cell count and first row and cell ids.
 *
 * Nested tables are passed over whole (their rows and cells are not counted).
 * The row array starts with room for 5 rows and grows by 10.
 *
 * @param id   an item inside the table, or the table begin's id; RowMark
 *             counts the rows ended before it
 * @param[in,out] info the caller's record; RowsHandle must be 0 or the block
 *             of an earlier walk of this record, which is reused
 * @param h    the chunker handle
 * @return 0 when the table has a row; 9 when it has none; 37 when no table
 *         holds @p id or @p info is null; 13 when the row array cannot grow
 *         (also past 65535 rows); 18 when ids stop growing or a nested table
 *         has no end; the chunker's code when a read fails (also when the
 *         items end before the table's end).  After a failure the counts
 *         gathered so far stay.
 *
 * Ownership: the row array is a memory block in @p info, counted in
 * info->Memory; the caller frees it with CUFreeTableInfo, after a failure too.
 */
QRVAPI uint32_t CUGetTableInfo(uint32_t id, CUTableInfo *info, CHHandle h);
/**
 * Frees a table record's row array and clears RowsHandle.
 *
 * @param info the record filled by CUGetTableInfo (may be null)
 * @return 0.
 */
QRVAPI uint32_t CUFreeTableInfo(CUTableInfo *info);
/**
 * Reads the chunker's record of one table row (store 10).
 *
 * @param info      the record filled by CUGetTableInfo
 * @param row       the row index, 0 first
 * @param[out] rowRecord a buffer of the chunker's row record size
 *                  (CHTableRowRecord), the caller's
 * @param h         the chunker handle
 * @return 15 when @p row is not below RowCount; otherwise the chunker's result
 *         of the read.
 */
QRVAPI uint32_t CUGetRowInfo(CUTableInfo *info, uint16_t row, void *rowRecord, CHHandle h);
/**
 * Reads the chunker's record of one table cell (store 11).
 *
 * @param info       the record filled by CUGetTableInfo
 * @param row        the row index, 0 first
 * @param cell       the cell index within the row, 0 first
 * @param[out] cellRecord a buffer of the chunker's cell record size
 *                   (CHTableCellRecord), the caller's
 * @param h          the chunker handle
 * @return 15 when either index is out of range; the row index itself (buffer
 *         untouched) for a row whose cells were never given an id; otherwise
 *         the chunker's result of the read.
 */
QRVAPI uint32_t CUGetCellInfo(CUTableInfo *info, uint16_t row, uint16_t cell, void *cellRecord, CHHandle h);

QRV_END_DECLS

#endif
