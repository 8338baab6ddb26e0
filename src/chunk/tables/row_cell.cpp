// The chunker's own records of a table's rows and cells.
#include "chunk/walk.hpp"

#include <qrvex/tables.h>

namespace {

bool has_row(const CUTableInfo *info, uint16_t row) { return info && info->Rows && row < info->RowCount; }

}  // namespace

// Copies row `row`'s record from store 10 into rowRecord (a buffer of the
// chunker's row record size).  15 when the row index is not below RowCount;
// otherwise the chunker's result.
extern "C" QRVAPI uint32_t CUGetRowInfo(CUTableInfo *info, uint16_t row, void *rowRecord, CHHandle h) {
    if (!has_row(info, row) || !rowRecord) return QRV_E_BAD_ARG;
    return CHGetItem(h, CH_STORE_TABLE_ROWS, info->Rows[row].RowItemId, rowRecord, nullptr);
}

// Copies cell `cell` of row `row` from store 11 into cellRecord.  15 when
// either index is out of range.  A row whose cells were never given an id
// (no cell item met) returns the row index itself and leaves the buffer
// alone; otherwise the chunker's result.
extern "C" QRVAPI uint32_t CUGetCellInfo(CUTableInfo *info, uint16_t row, uint16_t cell, void *cellRecord, CHHandle h) {
    if (!has_row(info, row) || cell >= info->Rows[row].CellCount || !cellRecord) return QRV_E_BAD_ARG;
    const uint32_t first = info->Rows[row].FirstCellId;
    if (first == qrv::chunk::kNoItem) return row;
    return CHGetItem(h, CH_STORE_TABLE_CELLS, first + cell, cellRecord, nullptr);
}
