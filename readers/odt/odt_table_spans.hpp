// Merged cells of an OpenDocument table.  A cell that spans columns or
// rows is followed by <table:covered-table-cell>s in the places it covers:
// in its own row they are passed over; in the rows below, the one under
// the merged cell's first column is sent as a covered cell (which the text
// document counts into the merge's rows) and the others are passed over.
// Spans are followed in the first kMaxColumns columns.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "textdoc/text_sink.hpp"

namespace qrv::import::odf {

class TableSpans {
public:
    static constexpr size_t kMaxColumns = 1024;

    void begin_row();
    // A table:table-cell at the row's next column.
    void cell(unsigned column_span, unsigned row_span);
    // A table:covered-table-cell at the row's next column: the cell to send,
    // or nothing when it is passed over.
    std::optional<textdoc::CellStart> covered();
    void end_row();

private:
    struct Below {
        unsigned rows = 0;   // rows still covered, the row in hand among them
        unsigned span = 1;   // columns of the merged cell
        bool first = false;  // the merged cell's first column
    };

    std::vector<Below> below_;
    size_t column_ = 0;
    unsigned passed_in_row_ = 0;  // covered cells of a column span still to come in this row
};

}  // namespace qrv::import::odf
