// Tables as the chunker's items: a table begin and end, per row a row
// record (store 10) with a row item and a row end, per cell a cell record
// (store 11) with a cell item and a cell end.  The cell records of one row
// must have consecutive ids while a nested table in a cell appends its own,
// so a row's records are set aside when its first cell begins, one a grid
// column left, and more while nothing has come between.  A vertical merge's row span is known only at the rows
// below; the first cell's record is written over as covered cells come.
#pragma once

#include <cstdint>
#include <vector>

#include "writer/document_writer.hpp"
#include "writer/diagnostics.hpp"
#include "text_sink.hpp"

namespace qrv::import::textdoc {

class TableWriter {
public:
    TableWriter(DocumentWriter &out, Diagnostics &diagnostics) : out_(out), diagnostics_(diagnostics) {}

    void begin_table(const TableStart &table);
    void begin_row(const RowStart &row);
    // False for a covered cell: it has no items, and its content is dropped.
    bool begin_cell(const CellStart &cell);
    void end_cell();
    void end_row();
    void end_table();

    size_t depth() const { return open_.size(); }

private:
    // The first cell of a vertical merge in a grid column.
    struct MergeOrigin {
        uint32_t record = CH_NO_ITEM;
        CHTableCellRecord cell{};
        uint32_t rows = 0;
    };
    struct OpenTable {
        std::vector<int32_t> grid;
        std::vector<MergeOrigin> origins;  // one a grid column
        bool row_open = false;
        bool cell_open = false;              // a cell with items is open
        size_t column = 0;                   // grid column of the next cell
        uint32_t first_record = CH_NO_ITEM;  // the row's set-aside cell records
        uint32_t set_aside = 0, used = 0;
    };

    void set_aside(OpenTable &t);
    uint32_t cell_record(OpenTable &t);
    int32_t width_of(const OpenTable &t, const CellStart &cell) const;
    void write_over(const MergeOrigin &origin);
    void clear_origins(OpenTable &t, size_t from, size_t count);

    DocumentWriter &out_;
    Diagnostics &diagnostics_;
    std::vector<OpenTable> open_;
    bool warned_long_row_ = false;
};

}  // namespace qrv::import::textdoc
