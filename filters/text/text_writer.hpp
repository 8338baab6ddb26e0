// Writes the walk's events as plain UTF-8 text: one line per paragraph,
// list items indented with their numbers, a table's rows as lines of cells
// separated by tabs, spreadsheet sections as columns separated by " | ",
// note references as their numbers in brackets.
#pragma once

#include <string>
#include <vector>

#include "writer.hpp"

namespace qrv::filters::text {

// Number of characters (code points) of UTF-8 text.
size_t width_of(std::string_view utf8);

// Lines of a grid of cells, each column as wide as its widest cell;
// right_aligned marks cells that line up on the right.
struct GridCell {
    std::string text;
    bool right_aligned = false;
};
std::string render_grid(const std::vector<std::vector<GridCell>> &rows);

class TextWriter final : public Writer {
public:
    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override;
    void end_paragraph() override;
    void note_reference(unsigned number) override;
    void bookmark(std::string_view) override {}
    void begin_table(unsigned columns) override;
    void begin_row() override;
    void begin_cell(const CellFormat &cell) override;
    void end_cell() override;
    void end_row() override;
    void end_table() override;
    void begin_sheet(const SheetInfo &sheet) override;
    void sheet_row_begin(const SheetRow &row) override;
    void sheet_cell(const SheetCell &cell) override;
    void sheet_row_end() override { end_row(); }
    void end_sheet() override { end_table(); }
    std::string finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                       const std::vector<Note> &notes) override;

private:
    using Grid = std::vector<std::vector<GridCell>>;
    void write_block(const std::string &block);

    std::string body_;
    std::string line_;        // the paragraph in hand
    ParaFormat para_{};
    std::vector<Grid> tables_;  // open tables, innermost last
    bool gap_row_ = false;      // the sheet row in hand stands for empty rows left out
    std::vector<bool> sheets_;  // whether each open table is a spreadsheet section
};

}  // namespace qrv::filters::text
