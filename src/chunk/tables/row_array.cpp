#include "chunk/tables/row_array.hpp"

#include <qrvex/types.h>

namespace qrv::tables {

uint32_t reserve_rows(CUTableInfo &info, uint32_t rows) {
    void *data = info.Rows;
    const uint32_t result =
        MUAllocateMemory(&info.RowsHandle, &data, rows * uint32_t{sizeof(CUTableRow)}, &info.Memory.BytesHeld);
    info.Rows = static_cast<CUTableRow *>(data);
    return result;
}

void free_rows(CUTableInfo &info) {
    void *data = info.Rows;
    MUFreeMemory(&info.RowsHandle, &data, &info.Memory.BytesHeld);
    info.Rows = static_cast<CUTableRow *>(data);
}

void start_row(CUTableInfo &info, uint32_t index) {
    CUTableRow &row = info.Rows[index];
    row.CellCount = 0;
    row.RowItemId = CH_NO_ITEM;
    row.FirstCellId = CH_NO_ITEM;
}

}  // namespace qrv::tables
