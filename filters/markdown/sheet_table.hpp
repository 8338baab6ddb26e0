// A spreadsheet section as one pipe table.  Which columns hold numbers
// (aligned right) and where the last row and column with text are (empty
// ones after them are left out) only the whole sheet tells, so the cells
// wait in a spill until the sheet ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output.hpp"
#include "spill.hpp"

namespace qrv::filters::markdown {

class SheetTable {
public:
    void begin_row();
    // The next cell of the row, its text already escaped for a cell.
    void add_cell(std::string_view text, bool numeric);
    // Writes the table (nothing for a sheet without text) and empties it.
    void write(Output &out);
    bool empty() const { return used_rows_ == 0; }

    bool failed() const { return cells_.failed() || spill_.failed(); }

private:
    // A column is aligned right when most of its cells with text below
    // the header row hold numbers (a title row above the header holds words).
    struct Column {
        size_t texts = 0;
        size_t numbers = 0;
    };
    std::vector<bool> right_aligned() const;
    void clear();

    Spill spill_;
    Output cells_{spill_};
    std::vector<Column> columns_;
    size_t rows_ = 0;          // rows begun
    size_t column_ = 0;        // of the row in hand
    size_t used_columns_ = 0;  // up to the last column with text
    size_t used_rows_ = 0;     // up to the last row with text
};

}  // namespace qrv::filters::markdown
