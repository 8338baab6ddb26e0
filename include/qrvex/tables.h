/* Tables: rows and cells of a table in the item stream. */
#ifndef QRVEX_TABLES_H
#define QRVEX_TABLES_H

#include "items.h"
#include "memory.h"

QRV_BEGIN_DECLS

/* One row of a table. */
typedef struct CUTableRow {
    uint16_t CellCount;
    uint16_t PadAfterCellCount;
    uint32_t RowItemId;   /* id in store 10; CH_NO_ITEM until a row item is met */
    uint32_t FirstCellId; /* id in store 11 of the first cell; the row's cells follow it */
} CUTableRow;

/* The shape of a table, built by CUGetTableInfo.  RowsHandle must be 0, or
 * the block of an earlier walk of this record, when CUGetTableInfo is called;
 * CUFreeTableInfo releases it.  Memory.BytesHeld counts the row array. */
typedef struct CUTableInfo {
    uint16_t RowCount;    /* row ends met */
    uint16_t RowMark;     /* rows ended before the id given to CUGetTableInfo; 0 when never set */
    uint16_t MaxCells;    /* largest CellCount among the rows completed */
    uint16_t PadAfterMaxCells;
    uint32_t TableBeginId;
    uint32_t FilterWord;  /* belongs to the filter; not touched */
    uint32_t InTable;     /* 1 once the table's own begin was read */
    QRVHGLOBAL RowsHandle;
    CUTableRow *Rows;
    MUContext Memory;
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

QRVAPI uint32_t CUGetTableInfo(uint32_t id, CUTableInfo *info, CHHandle h);
QRVAPI uint32_t CUFreeTableInfo(CUTableInfo *info);
QRVAPI uint32_t CUGetRowInfo(CUTableInfo *info, uint16_t row, void *rowRecord, CHHandle h);
QRVAPI uint32_t CUGetCellInfo(CUTableInfo *info, uint16_t row, uint16_t cell, void *cellRecord, CHHandle h);

QRV_END_DECLS

#endif
