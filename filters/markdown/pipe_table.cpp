#include "pipe_table.hpp"

#include <algorithm>

namespace qrv::filters::markdown {

void write_pipe_row(Output &out, const std::vector<std::string> &cells, size_t columns) {
    out += '|';
    for (size_t c = 0; c < std::max(columns, cells.size()); ++c) {
        out += ' ';
        if (c < cells.size()) out += cells[c];
        out += " |";
    }
    out += '\n';
}

void write_delimiter_row(Output &out, const std::vector<bool> &right, size_t columns) {
    out += '|';
    for (size_t c = 0; c < columns; ++c) out += c < right.size() && right[c] ? " ---: |" : " --- |";
    out += '\n';
}

// The first row sets the number of columns when the table did not.
void PipeTable::end_row(Output &out) {
    if (!rows_.row_open()) return;
    const bool header = rows_.rows() == 0;
    const auto &cells = rows_.end_row();
    if (header) columns_ = std::max<size_t>({columns_, cells.size(), 1});
    write_pipe_row(out, cells, columns_);
    if (header) write_delimiter_row(out, {}, columns_);
}

}  // namespace qrv::filters::markdown
