#include "text_writer.hpp"

#include <cctype>

#include "end_notes.hpp"
#include "link_targets.hpp"
#include "chart_table.hpp"
#include "chart_text.hpp"
#include "pictures.hpp"
#include "outline.hpp"
#include "sheet.hpp"

namespace qrv::filters::text {

void TextWriter::put(std::string_view utf8) {
    if (table_depth_ == 0)
        out_ += utf8;
    else
        cell_in_hand() += utf8;
}

// A cell is there for whatever the walk writes into a table, however
// little of the table it told before.
std::string &TextWriter::cell_in_hand() {
    if (!cell_) cell_ = &rows_.begin_cell(1, 1);
    return *cell_;
}

void TextWriter::space_in_cell() {
    std::string &cell = cell_in_hand();
    if (!cell.empty() && cell.back() != ' ') cell += ' ';
}

void TextWriter::begin_block() {
    if (table_depth_ > 0)
        space_in_cell();
    else if (out_.size() > 0)
        out_ += '\n';
}

// Every block of the page ends its line.
void TextWriter::end_block() {
    if (table_depth_ == 0 && (out_.size() == 0 || out_.last() != '\n')) out_ += '\n';
}

void TextWriter::write_slide_line() {
    if (!slide_due_) return;
    begin_block();
    out_ += slide_label(*slide_due_);
    slide_due_.reset();
    end_block();
}

// A heading with its number in front; a list item indented by its level
// (not inside a table) with its number or bullet.  A slide's title follows
// its label.
void TextWriter::begin_paragraph(const ParaFormat &para) {
    const bool slide_title = slide_due_ && para.kind == ParaKind::Heading && table_depth_ == 0;
    if (!slide_title && table_depth_ == 0) write_slide_line();
    begin_block();
    if (slide_title) {
        put(slide_label(*slide_due_) + ": ");
        slide_due_.reset();
    }
    if (para.kind == ParaKind::ListItem && table_depth_ == 0 && para.list_level > 1)
        out_ += std::string(2 * (para.list_level - 1), ' ');
    if (para.kind != ParaKind::Body && !para.marker.empty()) put(para.marker + ' ');
}

void TextWriter::text(std::string_view utf8, const TextFormat &format) {
    if (format.hidden) return;
    put(utf8);
    if (link_target_ && link_text_.size() <= link_target_->size() + kLinkTextSlack) link_text_ += utf8;
}

void TextWriter::line_break() { put(table_depth_ == 0 ? "\n" : " "); }

void TextWriter::end_paragraph() {
    end_link();
    end_block();
    if (table_depth_ == 0) write_due_charts();
}

void TextWriter::note_reference(unsigned number) {
    put("[");
    put(std::to_string(number));
    put("]");
}

void TextWriter::begin_link(std::string_view target) {
    end_link();
    link_target_ = target;
    link_text_.clear();
}

void TextWriter::end_link() {
    if (!link_target_) return;
    put(target_after_link(link_text_, *link_target_));
    link_target_.reset();
}

namespace {

// A line standing for rows left out runs over the columns without
// widening any.
constexpr unsigned kWholeRow = ~0u;

// "[image: description]" where a picture stands ("[chart]" for a chart
// without one): a name its program made up ("Picture 3") says nothing a
// reader of the text needs.
std::string text_label(const ObjectInfo &object) {
    std::string label = object_word(object.kind);
    if (object.chart) label += ": " + chart_caption(object);
    else if (!object.description.empty()) label += ": " + object.description;
    label[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(label[0])));
    return "[" + label + "]";
}

}  // namespace

void TextWriter::object(const ObjectInfo &object) {
    put(text_label(object));
    if (object.chart) charts_due_.push_back(object);
}

// The data of the charts named since the last block, each a block of its own.
void TextWriter::write_due_charts() {
    for (const ObjectInfo &chart : charts_due_) {
        begin_block();
        write_chart_text(out_, chart);
        end_block();
    }
    charts_due_.clear();
}

// A table of the text flow: a line a row, its cells in columns as wide as
// their widest cell.  A table nested in a cell shows inside the cell, its
// words separated by spaces.
void TextWriter::begin_table(unsigned) {
    if (table_depth_ == 0) write_slide_line();
    begin_block();
    if (table_depth_++ > 0) return;
    rows_ = TableRows();
    cell_ = nullptr;
}

void TextWriter::begin_row() {
    if (table_depth_ > 1) return space_in_cell();
    end_table_row();
    rows_.begin_row();
}

void TextWriter::begin_cell(const CellFormat &cell) {
    if (table_depth_ > 1) return space_in_cell();
    end_link();
    cell_ = &rows_.begin_cell(cell.column_span, cell.row_span);
}

void TextWriter::end_row() {
    if (table_depth_ == 1) end_table_row();
}

void TextWriter::end_table_row() {
    if (!rows_.row_open()) return;
    end_link();
    cell_ = nullptr;
    table_grid_.begin_row();
    const std::vector<std::string> &cells = rows_.end_row();
    for (size_t c = 0; c < cells.size(); ++c) table_grid_.add_cell(cells[c], false, rows_.spans()[c]);
}

void TextWriter::end_table() {
    if (table_depth_ == 0 || --table_depth_ > 0) return;
    end_table_row();
    table_grid_.write_lines(out_);
    end_block();
    write_due_charts();
}

// A sheet: its name underlined, then its rows as aligned columns; a merged
// cell's text stands in its first column, and rows left out of a sparse
// sheet show as one line saying so.
void TextWriter::begin_sheet(const SheetInfo &sheet) {
    if (sheet.name.empty()) return;
    begin_block();
    out_ += sheet.name;
    out_ += '\n';
    out_ += std::string(width_of(sheet.name), '-');
    end_block();
}

void TextWriter::sheet_row_begin(const SheetRow &row) {
    sheet_.begin_row();
    gap_row_ = row.gap;
    if (row.gap)
        sheet_.add_cell("(rows " + std::to_string(row.first + 1) + " to " + std::to_string(row.last + 1) + " empty)",
                        false, kWholeRow);
}

void TextWriter::sheet_cell(const SheetCell &cell) {
    if (gap_row_) return;
    if (cell.objects.empty() && cell.link.empty()) {
        sheet_.add_cell(cell.text, cell.numeric, cell.column_span);
    } else {
        std::string text = cell.text + target_after_link(cell.text, cell.link);
        // A chart's title and data follow the sheet, in place of a label.
        for (const ObjectInfo &object : cell.objects) {
            if (object.chart) {
                charts_due_.push_back(object);
                continue;
            }
            if (!text.empty()) text += ' ';
            text += text_label(object);
        }
        sheet_.add_cell(text, cell.numeric, cell.column_span);
    }
    for (unsigned i = 1; i < cell.column_span; ++i) sheet_.add_cell({}, false);
}

void TextWriter::end_sheet() {
    begin_block();
    sheet_.write_lines(out_);
    end_block();
    write_due_charts();
}

// Plain text is the text of the document's flow, then its notes: no table
// of contents (the headings stand in the text and nothing would link to
// them); comments are left to the HTML.
void TextWriter::finish(std::string_view, const std::vector<OutlineEntry> &, const std::vector<Note> &notes) {
    while (table_depth_ > 0) end_table();
    write_due_charts();
    write_end_notes(out_, notes);
}

}  // namespace qrv::filters::text
