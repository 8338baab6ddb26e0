// Writes one sheet or one table of the document as separated values: the
// cells' texts as shown, a row a line.  The document's sheets and the
// tables of its text are counted together; the option word says which one
// (the first when it does not).  Everything else of the document is left
// out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output.hpp"
#include "table_rows.hpp"
#include "writer.hpp"

namespace qrv::filters::csv {

struct CsvOptions {
    char separator = ',';
    bool byte_order_mark = false;
    unsigned part = 1;        // the sheet or table written, from 1
    bool list_parts = false;  // list the sheets and tables instead
    bool raw_values = false;  // a sheet's values, not its texts as shown
};

CsvOptions csv_options_of(uint32_t option_word);

class CsvWriter final : public Writer {
public:
    CsvWriter(Output &page, const CsvOptions &options);

    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override;
    void end_paragraph() override {}
    void note_reference(unsigned) override {}
    void bookmark(std::string_view) override {}
    void begin_table(unsigned columns) override;
    void begin_row() override;
    void begin_cell(const CellFormat &cell) override;
    void end_cell() override {}
    void end_row() override;
    void end_table() override;
    void begin_sheet(const SheetInfo &sheet) override;
    void sheet_row_begin(const SheetRow &row) override;
    void sheet_cell(const SheetCell &cell) override;
    void sheet_row_end() override;
    void end_sheet() override;
    void finish(std::string_view, const std::vector<OutlineEntry> &, const std::vector<Note> &) override {}
    bool failed() const override { return out_.failed(); }

private:
    void begin_part(std::string_view kind, std::string_view name);
    void space_in_cell();
    void write_sheet_row();

    Output &out_;
    CsvOptions options_;
    unsigned parts_ = 0;    // sheets and tables begun
    bool writing_ = false;  // the part in hand is the one asked for
    // A table of the text: its rows, and how deep the walk is in it (2 and
    // more: a table inside a cell, written as the cell's text).
    TableRows table_;
    unsigned depth_ = 0;
    std::string *cell_ = nullptr;
    // A sheet: how many source columns each of its columns stands for, the
    // row in hand, and the empty rows not written yet (those at its end
    // never are).
    std::vector<uint32_t> column_widths_;
    bool date1904_ = false;
    std::vector<std::string> row_;
    bool gap_row_ = false;
    uint64_t empty_rows_ = 0;
};

}  // namespace qrv::filters::csv
