#include "csv_writer.hpp"

#include <qrvfilters.h>

#include <algorithm>

#include "csv_fields.hpp"
#include "raw_value.hpp"
#include "sheet.hpp"

namespace qrv::filters::csv {

CsvOptions csv_options_of(uint32_t option_word) {
    CsvOptions options;
    if (const char separator = static_cast<char>((option_word >> QRV_FILTER_CSV_SEPARATOR_SHIFT) & 0xff))
        options.separator = separator;
    options.byte_order_mark = option_word & QRV_FILTER_CSV_BOM;
    options.part = std::max(1u, option_word >> QRV_FILTER_CSV_PART_SHIFT);
    options.list_parts = option_word & QRV_FILTER_CSV_LIST;
    options.raw_values = option_word & QRV_FILTER_CSV_VALUES;
    return options;
}

CsvWriter::CsvWriter(Output &page, const CsvOptions &options) : out_(page), options_(options) {
    if (options_.byte_order_mark && !options_.list_parts) out_ += "\xEF\xBB\xBF";
}

void CsvWriter::begin_part(std::string_view kind, std::string_view name) {
    ++parts_;
    writing_ = !options_.list_parts && parts_ == options_.part;
    if (!options_.list_parts) return;
    out_ += kind;
    out_ += '\t';
    for (char c : name) out_ += c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
    out_ += '\n';
}

// Paragraphs of a cell are lines of its field; those of a table inside a
// cell, and its cells, are separated by spaces.
void CsvWriter::space_in_cell() {
    if (cell_ && !cell_->empty() && cell_->back() != ' ') *cell_ += ' ';
}

void CsvWriter::begin_paragraph(const ParaFormat &para) {
    if (!cell_) return;
    if (depth_ > 1)
        space_in_cell();
    else if (!cell_->empty())
        *cell_ += '\n';
    if (para.kind != ParaKind::Body && !para.marker.empty()) *cell_ += para.marker + " ";
}

void CsvWriter::text(std::string_view utf8, const TextFormat &format) {
    if (cell_ && !format.hidden) *cell_ += utf8;
}

void CsvWriter::line_break() {
    if (!cell_) return;
    if (depth_ > 1)
        space_in_cell();
    else
        *cell_ += '\n';
}

void CsvWriter::begin_table(unsigned) {
    if (depth_++ > 0) return space_in_cell();
    begin_part("table", "");
    table_ = TableRows();
    cell_ = nullptr;
}

void CsvWriter::begin_row() {
    if (depth_ > 1) return space_in_cell();
    table_.begin_row();
    cell_ = nullptr;
}

void CsvWriter::begin_cell(const CellFormat &cell) {
    if (depth_ > 1) return space_in_cell();
    cell_ = writing_ ? &table_.begin_cell(cell.column_span, cell.row_span) : nullptr;
}

void CsvWriter::end_row() {
    if (depth_ != 1 || !table_.row_open()) return;
    const auto &cells = table_.end_row();
    if (writing_) write_row(out_, cells, options_.separator);
    cell_ = nullptr;
}

void CsvWriter::end_table() {
    if (depth_ > 0 && --depth_ > 0) return;
    writing_ = false;
    cell_ = nullptr;
}

// A column standing for empty source columns left out of a sparse sheet
// gives as many empty fields.
void CsvWriter::begin_sheet(const SheetInfo &sheet) {
    begin_part("sheet", sheet.name);
    date1904_ = sheet.date1904;
    column_widths_.clear();
    for (const auto &c : sheet.columns) column_widths_.push_back(c.gap ? c.last - c.first + 1 : 1);
    empty_rows_ = 0;
}

void CsvWriter::sheet_row_begin(const SheetRow &row) {
    row_.clear();
    gap_row_ = row.gap;
    if (gap_row_ && writing_) empty_rows_ += row.last - row.first + 1;
}

void CsvWriter::sheet_cell(const SheetCell &cell) {
    if (!writing_ || gap_row_) return;
    for (unsigned i = 0; i < std::max(1u, cell.column_span); ++i) {
        const size_t column = row_.size();
        const uint32_t width = column < column_widths_.size() ? column_widths_[column] : 1;
        row_.push_back(i > 0 ? std::string() : options_.raw_values ? raw_value_text(cell, date1904_) : cell.text);
        for (uint32_t w = 1; w < width; ++w) row_.emplace_back();
    }
}

void CsvWriter::sheet_row_end() {
    if (!writing_ || gap_row_) return;
    write_sheet_row();
}

void CsvWriter::write_sheet_row() {
    if (std::all_of(row_.begin(), row_.end(), [](const std::string &t) { return t.empty(); })) {
        ++empty_rows_;
        return;
    }
    for (; empty_rows_ > 0; --empty_rows_) out_ += "\r\n";
    write_row(out_, row_, options_.separator);
}

void CsvWriter::end_sheet() { writing_ = false; }

}  // namespace qrv::filters::csv
