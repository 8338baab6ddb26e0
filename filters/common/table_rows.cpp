#include "table_rows.hpp"

#include <algorithm>

namespace qrv::filters {

void TableRows::begin_row() {
    cells_.clear();
    spans_.clear();
    row_open_ = true;
}

void TableRows::skip_covered() {
    while (cells_.size() < covered_until_.size() && covered_until_[cells_.size()] > rows_) {
        cells_.emplace_back();
        spans_.push_back(0);
    }
}

std::string &TableRows::begin_cell(unsigned column_span, unsigned row_span) {
    if (!row_open_) begin_row();
    skip_covered();
    const size_t first = cells_.size();
    const size_t span = std::max(1u, column_span);
    cells_.resize(first + span);
    spans_.resize(first + span, 0);
    spans_[first] = static_cast<unsigned>(span);
    if (covered_until_.size() < first + span) covered_until_.resize(first + span, 0);
    for (size_t c = first; c < first + span; ++c) covered_until_[c] = rows_ + std::max(1u, row_span);
    return cells_[first];
}

const std::vector<std::string> &TableRows::end_row() {
    if (!row_open_) begin_row();
    skip_covered();
    ++rows_;
    row_open_ = false;
    return cells_;
}

}  // namespace qrv::filters
