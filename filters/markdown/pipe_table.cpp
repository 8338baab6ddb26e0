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

void PipeTable::begin_row() {
    cells_.clear();
    row_open_ = true;
}

void PipeTable::skip_covered() {
    while (cells_.size() < covered_until_.size() && covered_until_[cells_.size()] > rows_) cells_.emplace_back();
}

std::string &PipeTable::begin_cell(unsigned column_span, unsigned row_span) {
    if (!row_open_) begin_row();
    skip_covered();
    const size_t first = cells_.size();
    const size_t span = std::max(1u, column_span);
    cells_.resize(first + span);
    if (covered_until_.size() < first + span) covered_until_.resize(first + span, 0);
    for (size_t c = first; c < first + span; ++c) covered_until_[c] = rows_ + std::max(1u, row_span);
    return cells_[first];
}

// The first row sets the number of columns when the table did not.
void PipeTable::end_row(Output &out) {
    if (!row_open_) return;
    skip_covered();
    if (rows_ == 0) columns_ = std::max(columns_, cells_.size());
    if (columns_ == 0) columns_ = 1;
    write_pipe_row(out, cells_, columns_);
    if (rows_ == 0) write_delimiter_row(out, {}, columns_);
    ++rows_;
    row_open_ = false;
}

}  // namespace qrv::filters::markdown
