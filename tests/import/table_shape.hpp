// The shape of a document's first table as the library reads it: the rows
// and cells CUGetTableInfo counts, each cell's record from CUGetCellInfo
// with its width and spans, and each row's flags.
#pragma once

#include <qrvmodel/conventions.hpp>
#include <qrvex/tables.h>

#include <string>
#include <vector>

#include "imported_document.hpp"

namespace qrv::test {

// The shape of a table (the first, or the one after `skipped` others, nested
// ones counted in their order): per row, its cells as "width/columns/rows".
struct Shape {
    uint16_t rows = 0, max_cells = 0;
    std::vector<std::vector<std::string>> cells;
    std::vector<uint32_t> row_flags;
};

inline Shape shape_of(Imported &doc, size_t skipped = 0) {
    Shape shape;
    uint32_t begin = CH_NO_ITEM;
    for (const auto &[id, item] : doc.items())
        if (item.type == CH_ITEM_TABLE_BEGIN && skipped-- == 0) {
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

// What every format shows for a two-column table whose first row, "Name"
// and "Value", is a header row and whose second row holds a table with "x"
// and "y" in its first row.
inline void expect_header_row_and_nested_table(Imported &doc) {
    const Shape shape = shape_of(doc);
    EXPECT_EQ(shape.rows, 2);
    EXPECT_EQ(shape.row_flags, (std::vector<uint32_t>{model::kHeaderRowFlag, 0}));
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<tr><th><p>Name</p>\n</th><th><p>Value</p>\n</th></tr>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td><table class=\"grid\">\n<tr><td><p>x</p>\n</td><td><p>y</p>"), std::string::npos) << html;
}

// What every format shows for rows "wide" (two columns) and "tall" (two
// rows), then "a" and "b".
inline void expect_merged_cells_html(Imported &doc) {
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<tr><td colspan=\"2\"><p>wide</p>\n</td><td rowspan=\"2\"><p>tall</p>\n</td></tr>\n"
                        "<tr><td><p>a</p>\n</td><td><p>b</p>\n</td></tr>"),
              std::string::npos)
        << html;
}

}  // namespace qrv::test
