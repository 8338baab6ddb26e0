#include "text_writer.hpp"

#include <algorithm>

#include "sheet.hpp"

namespace qrv::filters::text {
namespace {

constexpr const char *kCellSeparator = " | ";

// A heading with its number in front.
std::string numbered(const ParaFormat &para, const std::string &line) {
    return para.marker.empty() ? line : para.marker + " " + line;
}

// A table of the text flow: a line a row, its cells separated by tabs.  A
// table nested in a cell shows inside the cell, its words separated by
// spaces.
std::string flow_rows(const std::vector<std::vector<GridCell>> &rows, const char *cell_separator,
                      const char *row_separator) {
    std::string out;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r) out += row_separator;
        for (size_t c = 0; c < rows[r].size(); ++c) out += (c ? cell_separator : "") + rows[r][c].text;
    }
    return out;
}

}  // namespace

size_t width_of(std::string_view utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string render_grid(const std::vector<std::vector<GridCell>> &rows) {
    std::vector<size_t> widths;
    for (const auto &row : rows)
        for (size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.resize(c + 1, 0);
            widths[c] = std::max(widths[c], width_of(row[c].text));
        }
    std::string out;
    for (const auto &row : rows) {
        // Empty cells at a row's end (a merged cell's span among them) show
        // as nothing, not as separators.
        size_t shown = row.size();
        while (shown > 0 && row[shown - 1].text.empty()) --shown;
        std::string line;
        for (size_t c = 0; c < shown; ++c) {
            std::string pad(widths[c] - width_of(row[c].text), ' ');
            if (c) line += kCellSeparator;
            line += row[c].right_aligned ? pad + row[c].text : row[c].text + pad;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}

void TextWriter::write_block(const std::string &block) {
    if (!tables_.empty()) {
        auto &grid = tables_.back();
        if (grid.empty()) grid.emplace_back();
        if (grid.back().empty()) grid.back().emplace_back();
        std::string &cell = grid.back().back().text;
        if (!cell.empty()) cell += " ";
        cell += block;
        return;
    }
    if (!body_.empty()) body_ += "\n";
    body_ += block;
    if (body_.empty() || body_.back() != '\n') body_ += "\n";
}

void TextWriter::begin_paragraph(const ParaFormat &para) {
    para_ = para;
    line_.clear();
}

void TextWriter::text(std::string_view utf8, const TextFormat &format) {
    if (!format.hidden) line_ += utf8;
}

void TextWriter::line_break() { line_ += tables_.empty() ? "\n" : " "; }

void TextWriter::end_paragraph() {
    std::string block = line_;
    const bool in_table = !tables_.empty();
    switch (para_.kind) {
    case ParaKind::Title:
    case ParaKind::Heading:
        block = numbered(para_, line_);
        break;
    case ParaKind::ListItem: {
        std::string indent(in_table ? 0 : 2 * (para_.list_level - 1), ' ');
        block = indent + (para_.marker.empty() ? "" : para_.marker + " ") + line_;
        break;
    }
    case ParaKind::Body:
        break;
    }
    line_.clear();
    write_block(block);
}

void TextWriter::note_reference(unsigned number) { line_ += "[" + std::to_string(number) + "]"; }

void TextWriter::begin_table(unsigned) {
    tables_.emplace_back();
    sheets_.push_back(false);
}

void TextWriter::begin_row() { tables_.back().emplace_back(); }

void TextWriter::begin_cell(const CellFormat &) { tables_.back().back().emplace_back(); }

void TextWriter::end_cell() {}

void TextWriter::end_row() {}

void TextWriter::end_table() {
    Grid grid = std::move(tables_.back());
    const bool sheet = sheets_.back();
    tables_.pop_back();
    sheets_.pop_back();
    if (sheet) write_block(render_grid(grid));
    else if (tables_.empty()) write_block(flow_rows(grid, "\t", "\n") + "\n");
    else write_block(flow_rows(grid, " ", " "));
}

// A sheet: its name underlined, then its rows as aligned columns; a merged
// cell's text stands in its first column, and rows left out of a sparse
// sheet show as one line saying so.
void TextWriter::begin_sheet(const SheetInfo &sheet) {
    if (!sheet.name.empty()) write_block(sheet.name + "\n" + std::string(width_of(sheet.name), '-'));
    tables_.emplace_back();
    sheets_.push_back(true);
}

void TextWriter::sheet_row_begin(const SheetRow &row) {
    begin_row();
    gap_row_ = row.gap;
    if (row.gap)
        tables_.back().back().push_back(
            {"(rows " + std::to_string(row.first + 1) + " to " + std::to_string(row.last + 1) + " empty)", false});
}

void TextWriter::sheet_cell(const SheetCell &cell) {
    if (gap_row_) return;
    auto &row = tables_.back().back();
    row.push_back({cell.text, cell.numeric});
    for (unsigned i = 1; i < cell.column_span; ++i) row.emplace_back();
}

// Plain text is the text of the document's flow: no table of contents
// (the headings stand in the text and nothing would link to them), and the
// notes and comments, which stand outside the flow, are left to the HTML;
// a note's reference keeps its number in the text.
std::string TextWriter::finish(std::string_view, const std::vector<OutlineEntry> &, const std::vector<Note> &) {
    return body_;
}

}  // namespace qrv::filters::text
