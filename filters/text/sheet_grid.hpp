// A spreadsheet section as lines of aligned columns.  Every column is as
// wide as its widest cell, which only the whole sheet tells: the cells go
// into a spill as they come, with each column's width kept, and the lines
// are written once the sheet is done.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output.hpp"
#include "spill.hpp"

namespace qrv::filters::text {

// Number of characters (code points) of UTF-8 text.
size_t width_of(std::string_view utf8);

class SheetGrid {
public:
    explicit SheetGrid(size_t memory_bound = Spill::kMemoryBound) : spill_(memory_bound) {}

    void begin_row();
    // The next cell of the row; right_aligned lines it up on the right.
    void add_cell(std::string_view text, bool right_aligned);
    // Writes a line a row, the cells separated by " | " (empty cells at a
    // row's end and spaces at a line's end left out), and empties the grid.
    void write_lines(Output &out);

    bool failed() const { return cells_.failed() || spill_.failed(); }

private:
    struct Cell {
        std::string text;
        bool right_aligned = false;
    };
    void write_line(Output &out, const std::vector<Cell> &row, size_t cells, std::string &line) const;

    Spill spill_;
    Output cells_{spill_};
    std::vector<size_t> widths_;
    size_t column_ = 0;  // of the row in hand
    bool rows_ = false;  // a row has begun
};

}  // namespace qrv::filters::text
