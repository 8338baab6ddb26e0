// Writes the walk's events as GitHub-flavoured Markdown, as they come:
// headings by level, paragraphs with their emphasis and links, list items
// nested by level with their numbers, tables and sheets as pipe tables,
// note references as [^n] with the notes at the end.  No HTML but the
// <br> that joins the paragraphs of a table's cell.  A presentation's slide
// is a heading "Slide N: title", its notes a block quote after its text.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "inline_text.hpp"
#include "output.hpp"
#include "pictures.hpp"
#include "pipe_table.hpp"
#include "sheet_table.hpp"
#include "writer.hpp"

namespace qrv::filters::markdown {

class MarkdownWriter final : public Writer {
public:
    explicit MarkdownWriter(Output &page) : out_(page) {}

    void begin_paragraph(const ParaFormat &para) override;
    void text(std::string_view utf8, const TextFormat &format) override;
    void line_break() override { inline_.line_break(); }
    void end_paragraph() override;
    void note_reference(unsigned number) override;
    void bookmark(std::string_view) override {}
    void begin_link(std::string_view target) override;
    void end_link() override;
    void object(const ObjectInfo &object) override;
    void begin_table(unsigned columns) override;
    void begin_row() override;
    void begin_cell(const CellFormat &cell) override;
    void end_cell() override;
    void end_row() override;
    void end_table() override;
    void begin_sheet(const SheetInfo &sheet) override;
    void sheet_row_begin(const SheetRow &row) override;
    void sheet_cell(const SheetCell &cell) override;
    void sheet_row_end() override {}
    void end_sheet() override;
    void begin_slide(const SlideInfo &slide) override { slide_due_ = slide.number; }
    void slide_notes(std::string_view notes) override;
    void end_slide() override { write_slide_heading(); }
    void finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                const std::vector<Note> &notes) override;
    bool failed() const override { return out_.failed() || sheet_.failed(); }

private:
    // What the last block on the page was: list items follow each other
    // without an empty line between them.
    enum class Block { None, Other, ListItem };
    void separate(Block next, bool tight);
    void begin_list_item(const ParaFormat &para);
    void begin_cell_paragraph(const ParaFormat &para);
    void space_in_cell();
    bool in_table() const { return table_depth_ > 0; }
    // A slide's heading of its own, when no title took its label.
    void write_slide_heading();
    void write_due_charts();

    Output &out_;
    Block last_ = Block::None;
    std::string block_;  // the paragraph in hand
    Block block_kind_ = Block::Other;
    bool block_tight_ = false;   // follows the last block without an empty line
    bool block_always_ = false;  // written even without text (a heading, a list item)
    size_t cell_mark_ = 0;       // where the paragraph in hand began in its cell
    InlineText inline_;
    // The open list of each level: where its items' text starts, and its
    // marker's kind ("-", "." or ")").
    struct ListLevel {
        size_t indent;
        char delimiter;
    };
    std::vector<ListLevel> lists_;
    std::vector<ObjectInfo> charts_due_;  // charts named whose data is still to come
    std::unique_ptr<PipeTable> table_;  // the table of the page in hand
    unsigned table_depth_ = 0;          // 2 and more: a table inside a cell, written as text
    std::string *cell_ = nullptr;       // text of the cell in hand
    std::string link_target_;
    SheetTable sheet_;
    std::string sheet_name_;
    bool gap_row_ = false;
    std::optional<unsigned> slide_due_;  // the slide whose label is still to come
};

}  // namespace qrv::filters::markdown
