#include "odt_table_spans.hpp"

#include <algorithm>

namespace qrv::import::odf {

void TableSpans::begin_row() {
    column_ = 0;
    passed_in_row_ = 0;
}

void TableSpans::cell(unsigned column_span, unsigned row_span) {
    column_span = std::max(column_span, 1u);
    passed_in_row_ = column_span - 1;
    if (row_span > 1 && column_ < kMaxColumns) {
        const size_t end = std::min<size_t>(column_ + column_span, kMaxColumns);
        if (below_.size() < end) below_.resize(end);
        for (size_t c = column_; c < end; ++c) below_[c] = Below{row_span, column_span, c == column_};
    }
    ++column_;
}

std::optional<textdoc::CellStart> TableSpans::covered() {
    const size_t column = column_++;
    if (passed_in_row_ > 0) {
        --passed_in_row_;
        return std::nullopt;
    }
    textdoc::CellStart cell;
    cell.merge = textdoc::VerticalMerge::Covered;
    if (column < below_.size() && below_[column].rows > 0) {
        if (!below_[column].first) return std::nullopt;
        cell.column_span = below_[column].span;
    }
    return cell;
}

void TableSpans::end_row() {
    for (Below &b : below_)
        if (b.rows > 0) --b.rows;
}

}  // namespace qrv::import::odf
