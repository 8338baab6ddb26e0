// The cells of a table's rows as a writer of rows sees them: each cell
// stands in the first column that no cell above still covers, a cell
// spanning columns or rows covers the others, and each row ends with as
// many cells as its last covered column (covered cells are empty).
#pragma once

#include <string>
#include <vector>

namespace qrv::filters {

class TableRows {
public:
    void begin_row();
    // The cell that comes next in the row; its text goes to the string
    // returned, which holds until the next cell.
    std::string &begin_cell(unsigned column_span, unsigned row_span);
    // The row's cells; the row is done.
    const std::vector<std::string> &end_row();
    // How many columns each cell of the row last ended spans: its
    // column_span where a cell begins, 0 where a cell is covered.
    const std::vector<unsigned> &spans() const { return spans_; }
    bool row_open() const { return row_open_; }
    size_t rows() const { return rows_; }

private:
    void skip_covered();

    size_t rows_ = 0;                    // rows ended
    std::vector<size_t> covered_until_;  // a column is covered by a cell above up to this row
    std::vector<std::string> cells_;     // of the row in hand
    std::vector<unsigned> spans_;        // of each of cells_
    bool row_open_ = false;
};

}  // namespace qrv::filters
