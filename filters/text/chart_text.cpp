#include "chart_text.hpp"

#include "chart_table.hpp"
#include "sheet_grid.hpp"

namespace qrv::filters::text {

void write_chart_text(Output &out, const ObjectInfo &object) {
    out += "Chart: " + chart_caption(object) + "\n";
    if (!object.chart) return;
    const ChartTable table = chart_table(*object.chart);
    SheetGrid grid;
    grid.begin_row();
    for (const std::string &cell : table.header) grid.add_cell(cell, false);
    for (const auto &row : table.rows) {
        grid.begin_row();
        for (size_t c = 0; c < row.size(); ++c) grid.add_cell(row[c], c > 0);
    }
    grid.write_lines(out);
}

}  // namespace qrv::filters::text
