#include "chart_block.hpp"

#include "chart_table.hpp"
#include "escape.hpp"
#include "pipe_table.hpp"

namespace qrv::filters::markdown {
namespace {

std::vector<std::string> escaped_cells(const std::vector<std::string> &cells) {
    std::vector<std::string> out;
    for (const std::string &cell : cells) {
        std::string text;
        bool line_start = false;
        append_escaped(text, cell, TextPlace::Cell, line_start);
        out.push_back(std::move(text));
    }
    return out;
}

}  // namespace

void write_chart_block(Output &out, const ObjectInfo &object) {
    std::string caption;
    bool line_start = true;
    append_escaped(caption, chart_caption(object), TextPlace::Block, line_start);
    out += "**Chart: " + caption + "**\n";
    if (!object.chart) return;
    const ChartTable table = chart_table(*object.chart);
    out += '\n';
    write_pipe_row(out, escaped_cells(table.header), table.header.size());
    std::vector<bool> right(table.header.size(), true);
    right[0] = false;
    write_delimiter_row(out, right, table.header.size());
    for (const auto &row : table.rows) write_pipe_row(out, escaped_cells(row), table.header.size());
}

}  // namespace qrv::filters::markdown
