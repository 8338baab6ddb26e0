// The shape of a document's first table as the library reads it: the rows
// and cells CUGetTableInfo counts, each cell's record from CUGetCellInfo
// with its width and spans, and each row's flags.
#pragma once

#include <qrvex/tables.h>

#include <string>
#include <vector>

#include "imported_document.hpp"

namespace qrv::test {

// The shape of the first table: per row, its cells as "width/columns/rows".
struct Shape {
    uint16_t rows = 0, max_cells = 0;
    std::vector<std::vector<std::string>> cells;
    std::vector<uint32_t> row_flags;
};

inline Shape shape_of(Imported &doc) {
    Shape shape;
    uint32_t begin = CH_NO_ITEM;
    for (const auto &[id, item] : doc.items())
        if (item.type == CH_ITEM_TABLE_BEGIN) {
            begin = id;
            break;
        }
    CUTableInfo info{};
    EXPECT_EQ(CUGetTableInfo(begin, &info, doc.handle()), 0u);
    shape.rows = info.RowCount;
    shape.max_cells = info.MaxCells;
    for (uint16_t r = 0; r < info.RowCount; ++r) {
        CHTableRowRecord row_record{};
        EXPECT_EQ(CUGetRowInfo(&info, r, &row_record, doc.handle()), 0u);
        shape.row_flags.push_back(row_record.Flags);
        std::vector<std::string> cells;
        for (uint16_t c = 0; c < info.Rows[r].CellCount; ++c) {
            CHTableCellRecord record{};
            EXPECT_EQ(CUGetCellInfo(&info, r, c, &record, doc.handle()), 0u);
            cells.push_back(std::to_string(record.Width) + "/" + std::to_string(record.ColumnSpan) + "/" +
                            std::to_string(record.RowSpan));
        }
        shape.cells.push_back(cells);
    }
    CUFreeTableInfo(&info);
    return shape;
}

using Cells = std::vector<std::vector<std::string>>;

}  // namespace qrv::test
