#include "text_writer.hpp"

#include <cctype>

#include "chart_table.hpp"
#include "chart_text.hpp"
#include "pictures.hpp"
#include "outline.hpp"
#include "sheet.hpp"

namespace qrv::filters::text {

// A cell is there for whatever the walk writes into a table, however
// little of the table it told before.
TextWriter::Table &TextWriter::cell_in_hand() {
    Table &table = tables_.back();
    if (table.rows == 0) table.rows = 1, table.cells = 0;
    if (table.cells == 0) table.cells = 1, table.cell_start = out_.size();
    return table;
}

void TextWriter::begin_block() {
    if (!tables_.empty()) {
        if (out_.size() > cell_in_hand().cell_start) out_ += ' ';
    } else if (out_.size() > 0) {
        out_ += '\n';
    }
}

// Every block of the page ends its line.
void TextWriter::end_block() {
    if (tables_.empty() && (out_.size() == 0 || out_.last() != '\n')) out_ += '\n';
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
    const bool slide_title = slide_due_ && para.kind == ParaKind::Heading && tables_.empty();
    if (!slide_title && tables_.empty()) write_slide_line();
    begin_block();
    if (slide_title) {
        out_ += slide_label(*slide_due_) + ": ";
        slide_due_.reset();
    }
    if (para.kind == ParaKind::ListItem && tables_.empty() && para.list_level > 1)
        out_ += std::string(2 * (para.list_level - 1), ' ');
    if (para.kind != ParaKind::Body && !para.marker.empty()) {
        out_ += para.marker;
        out_ += ' ';
    }
}

void TextWriter::text(std::string_view utf8, const TextFormat &format) {
    if (!format.hidden) out_ += utf8;
}

void TextWriter::line_break() { out_ += tables_.empty() ? '\n' : ' '; }

void TextWriter::end_paragraph() {
    end_block();
    if (tables_.empty()) write_due_charts();
}

void TextWriter::note_reference(unsigned number) {
    out_ += '[';
    out_.number(number);
    out_ += ']';
}

namespace {

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
    out_ += text_label(object);
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

// A table of the text flow: a line a row, its cells separated by tabs.  A
// table nested in a cell shows inside the cell, its words separated by
// spaces.
void TextWriter::begin_table(unsigned) {
    if (tables_.empty()) write_slide_line();
    begin_block();
    tables_.push_back({!tables_.empty(), 0, 0, out_.size()});
}

void TextWriter::begin_row() {
    Table &table = tables_.back();
    if (table.rows++ > 0) out_ += table.nested ? ' ' : '\n';
    table.cells = 0;
}

void TextWriter::begin_cell(const CellFormat &) {
    Table &table = tables_.back();
    if (table.rows == 0) table.rows = 1;
    if (table.cells++ > 0) out_ += table.nested ? ' ' : '\t';
    table.cell_start = out_.size();
}

void TextWriter::end_table() {
    const bool nested = tables_.back().nested;
    tables_.pop_back();
    if (nested) return;
    out_ += '\n';
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
                        false);
}

void TextWriter::sheet_cell(const SheetCell &cell) {
    if (gap_row_) return;
    if (cell.objects.empty()) {
        sheet_.add_cell(cell.text, cell.numeric);
    } else {
        std::string text = cell.text;
        for (const ObjectInfo &object : cell.objects) {
            text += (text.empty() ? "" : " ") + text_label(object);
            if (object.chart) charts_due_.push_back(object);
        }
        sheet_.add_cell(text, cell.numeric);
    }
    for (unsigned i = 1; i < cell.column_span; ++i) sheet_.add_cell({}, false);
}

void TextWriter::end_sheet() {
    begin_block();
    sheet_.write_lines(out_);
    end_block();
    write_due_charts();
}

// Plain text is the text of the document's flow: no table of contents
// (the headings stand in the text and nothing would link to them), and the
// notes and comments, which stand outside the flow, are left to the HTML;
// a note's reference keeps its number in the text.
void TextWriter::finish(std::string_view, const std::vector<OutlineEntry> &, const std::vector<Note> &) {
    write_due_charts();
}

}  // namespace qrv::filters::text
