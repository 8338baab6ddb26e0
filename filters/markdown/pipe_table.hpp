// A table as a pipe table: a line a row, the first row the header, then a
// line of dashes (with a colon on the right of a column aligned right).
// Every row has as many cells as the header: a cell spanning columns or
// rows has its text in its first cell and leaves the others empty.
#pragma once

#include <string>
#include <vector>

#include "output.hpp"
#include "table_rows.hpp"

namespace qrv::filters::markdown {

// "| a | b |" from the cells' finished text, padded with empty cells up
// to columns.
void write_pipe_row(Output &out, const std::vector<std::string> &cells, size_t columns);
// "| --- | ---: |": a column is aligned right where right says so.
void write_delimiter_row(Output &out, const std::vector<bool> &right, size_t columns);

// The rows of one table of the text flow as they come, each written when
// it ends.
class PipeTable {
public:
    explicit PipeTable(size_t columns) : columns_(columns) {}

    void begin_row() { rows_.begin_row(); }
    // The cell that comes next in the row; its text is written to the
    // string returned.
    std::string &begin_cell(unsigned column_span, unsigned row_span) { return rows_.begin_cell(column_span, row_span); }
    void end_row(Output &out);

private:
    size_t columns_;
    TableRows rows_;
};

}  // namespace qrv::filters::markdown
