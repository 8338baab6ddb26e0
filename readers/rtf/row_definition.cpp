#include "row_definition.hpp"

#include <algorithm>

namespace qrv::import::rtf {

std::vector<int32_t> RowDefinition::grid() const {
    std::vector<int32_t> widths;
    int32_t left = 0;
    for (const auto &c : cells) {
        widths.push_back(std::max(c.right - left, 0));
        left = std::max(left, c.right);
    }
    return widths;
}

textdoc::CellStart RowDefinition::cell(size_t index) const {
    textdoc::CellStart start;
    if (index >= cells.size()) return start;
    const std::vector<int32_t> widths = grid();
    start.merge = cells[index].vertical;
    start.width = widths[index];
    if (cells[index].horizontal != HorizontalMerge::First) return start;
    for (size_t next = index + 1; next < cells.size() && cells[next].horizontal == HorizontalMerge::Continued; ++next) {
        ++start.column_span;
        start.width += widths[next];
    }
    return start;
}

}  // namespace qrv::import::rtf
