// Writes the walk's events as plain UTF-8 text: one line per paragraph,
// list items indented with their numbers, a table as aligned columns
// (a cell spanning columns or rows leaves the cells it covers empty, so
// the later cells of a row keep their columns), spreadsheet sections as
// columns separated by " | ", a link's target after its text, note
// references as their numbers in brackets and the notes after the text.
// A presentation's slide starts "Slide N: " and its title.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output.hpp"
#include "sheet_grid.hpp"
#include "table_rows.hpp"
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
    void begin_link(std::string_view target) override;
    void end_link() override;
    void object(const ObjectInfo &object) override;
    void begin_table(unsigned columns) override;
    void begin_row() override;
    void begin_cell(const CellFormat &cell) override;
    void end_cell() override {}
    void end_row() override;
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
    bool failed() const override { return out_.failed() || sheet_.failed() || table_grid_.failed(); }

private:
    // Blocks (paragraphs, tables, a sheet's name and lines) are separated
    // by an empty line on the page and by a space inside a table's cell.
    void begin_block();
    void end_block();
    // Writes to the cell in hand inside a table, to the page elsewhere.
    void put(std::string_view utf8);
    // The cell the text in hand goes to, begun where the walk told none.
    std::string &cell_in_hand();
    void space_in_cell();
    void end_table_row();
    // A slide's label as a line of its own, when no title took it.
    void write_slide_line();
    void write_due_charts();

    Output &out_;
    unsigned table_depth_ = 0;           // tables open, a table inside a cell counting one more
    TableRows rows_;                     // of the outermost table in hand
    std::string *cell_ = nullptr;        // the cell of rows_ in hand
    SheetGrid table_grid_{Spill::kMemoryBound, "  "};  // the outermost table's rows so far
    std::optional<std::string> link_target_;  // of the link in hand
    std::string link_text_;              // its text, as far as needed to compare it with the target
    std::vector<ObjectInfo> charts_due_;  // charts named whose data is still to come
    SheetGrid sheet_;                    // the sheet in hand
    bool gap_row_ = false;               // the sheet row in hand stands for empty rows left out
    std::optional<unsigned> slide_due_;  // the slide whose label is still to come
};

}  // namespace qrv::filters::text
