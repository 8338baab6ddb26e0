#include "sheet_table.hpp"

#include <algorithm>

#include "pipe_table.hpp"

namespace qrv::filters::markdown {
namespace {

// How the spill holds the rows: a row mark, or a cell mark and its text.
constexpr char kRowMark = 'R';
constexpr char kTextCell = 'T';
constexpr char kNumberCell = 'N';

}  // namespace

void SheetTable::begin_row() {
    cells_ += kRowMark;
    ++rows_;
    column_ = 0;
}

void SheetTable::add_cell(std::string_view text, bool numeric) {
    if (rows_ == 0) begin_row();
    if (columns_.size() <= column_) columns_.resize(column_ + 1);
    ++column_;
    cells_ += numeric ? kNumberCell : kTextCell;
    write_text(cells_, text);
    if (text.empty()) return;
    used_columns_ = std::max(used_columns_, column_);
    used_rows_ = rows_;
    if (rows_ > 1) ++(numeric ? columns_[column_ - 1].numbers : columns_[column_ - 1].texts);
}

std::vector<bool> SheetTable::right_aligned() const {
    std::vector<bool> right;
    for (const Column &c : columns_) right.push_back(c.numbers > c.texts);
    return right;
}

void SheetTable::write(Output &out) {
    cells_.flush();
    if (used_rows_ > 0 && !spill_.failed()) {
        SpillReader in(spill_);
        std::vector<std::string> row;
        std::string text;
        char mark = 0;
        bool more = in.read(&mark, 1);
        for (size_t r = 0; more && r < used_rows_; ++r) {
            row.clear();
            while ((more = in.read(&mark, 1)) && mark != kRowMark) {
                if (!in.read_text(text)) more = false;
                if (row.size() < used_columns_) row.push_back(text);
            }
            write_pipe_row(out, row, used_columns_);
            if (r == 0) write_delimiter_row(out, right_aligned(), used_columns_);
        }
    }
    clear();
}

void SheetTable::clear() {
    spill_.clear();
    columns_.clear();
    rows_ = column_ = used_columns_ = used_rows_ = 0;
}

}  // namespace qrv::filters::markdown
