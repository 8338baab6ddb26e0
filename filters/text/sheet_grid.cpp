#include "sheet_grid.hpp"

#include <algorithm>

namespace qrv::filters::text {
namespace {

constexpr const char *kCellSeparator = " | ";

// How the spill holds the grid: a row mark, or a cell mark and then the
// text's length (four bytes) and the text.
constexpr char kRowMark = 'R';
constexpr char kLeftCell = 'L';
constexpr char kRightCell = 'N';

}  // namespace

size_t width_of(std::string_view utf8) {
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void SheetGrid::begin_row() {
    cells_ += kRowMark;
    column_ = 0;
    rows_ = true;
}

void SheetGrid::add_cell(std::string_view text, bool right_aligned) {
    if (!rows_) begin_row();
    if (widths_.size() <= column_) widths_.resize(column_ + 1, 0);
    widths_[column_] = std::max(widths_[column_], width_of(text));
    ++column_;
    cells_ += right_aligned ? kRightCell : kLeftCell;
    write_text(cells_, text);
}

void SheetGrid::write_line(Output &out, const std::vector<Cell> &row, size_t cells, std::string &line) const {
    // Empty cells at a row's end (a merged cell's span among them) show as
    // nothing, not as separators.
    while (cells > 0 && row[cells - 1].text.empty()) --cells;
    line.clear();
    for (size_t c = 0; c < cells; ++c) {
        const size_t pad = widths_[c] - width_of(row[c].text);
        if (c) line += kCellSeparator;
        if (row[c].right_aligned) line.append(pad, ' ');
        line += row[c].text;
        if (!row[c].right_aligned) line.append(pad, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line;
    out += '\n';
}

void SheetGrid::write_lines(Output &out) {
    cells_.flush();
    if (rows_ && !spill_.failed()) {
        SpillReader in(spill_);
        std::vector<Cell> row;
        std::string line;
        char mark = 0;
        bool more = in.read(&mark, 1) && mark == kRowMark;
        while (more) {
            size_t cells = 0;
            more = false;
            while (in.read(&mark, 1)) {
                if (mark == kRowMark) {
                    more = true;
                    break;
                }
                if (row.size() <= cells) row.emplace_back();
                row[cells].right_aligned = mark == kRightCell;
                if (!in.read_text(row[cells++].text)) break;
            }
            write_line(out, row, cells, line);
        }
    }
    spill_.clear();
    widths_.clear();
    column_ = 0;
    rows_ = false;
}

}  // namespace qrv::filters::text
