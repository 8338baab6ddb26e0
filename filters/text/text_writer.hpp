// Writes the walk's events as plain UTF-8 text, as they come: one line per
// paragraph, list items indented with their numbers, a table's rows as
// lines of cells separated by tabs, spreadsheet sections as columns
// separated by " | ", note references as their numbers in brackets.  A
// presentation's slide starts "Slide N: " and its title.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output.hpp"
#include "sheet_grid.hpp"
#include "pictures.hpp"
#include "writer.hpp"

namespace qrv::filters::text {

class TextWriter final : public Writer {
public:
    explicit TextWriter(Output &page) : out_(page) {}

    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override;
    void end_paragraph() override;
    void note_reference(unsigned number) override;
    void bookmark(std::string_view) override {}
    void object(const ObjectInfo &object) override;
    void begin_table(unsigned columns) override;
    void begin_row() override;
    void begin_cell(const CellFormat &cell) override;
    void end_cell() override {}
    void end_row() override {}
    void end_table() override;
    void begin_sheet(const SheetInfo &sheet) override;
    void sheet_row_begin(const SheetRow &row) override;
    void sheet_cell(const SheetCell &cell) override;
    void sheet_row_end() override {}
    void end_sheet() override;
    void begin_slide(const SlideInfo &slide) override { slide_due_ = slide.number; }
    void end_slide() override { write_slide_line(); }
    void finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                const std::vector<Note> &notes) override;
    bool failed() const override { return out_.failed() || sheet_.failed(); }

private:
    // A table of the text flow in hand: its rows and the cells of its last
    // row so far, and where that row's last cell began in the output.
    struct Table {
        bool nested = false;
        uint64_t rows = 0;
        uint64_t cells = 0;
        uint64_t cell_start = 0;
    };
    // Blocks (paragraphs, tables, a sheet's name and lines) are separated
    // by an empty line on the page and by a space inside a table's cell.
    void begin_block();
    void end_block();
    Table &cell_in_hand();
    // A slide's label as a line of its own, when no title took it.
    void write_slide_line();
    void write_due_charts();

    Output &out_;
    std::vector<ObjectInfo> charts_due_;  // charts named whose data is still to come
    std::vector<Table> tables_;          // open tables, innermost last
    SheetGrid sheet_;                    // the sheet in hand
    bool gap_row_ = false;               // the sheet row in hand stands for empty rows left out
    std::optional<unsigned> slide_due_;  // the slide whose label is still to come
};

}  // namespace qrv::filters::text
