// Spreadsheet sections as HTML tables: the sheet's name as the caption,
// column widths in a colgroup, merged cells as spans, numbers aligned
// right, colours and rich text as styled spans.  Rows and columns left out
// of a sparse sheet are told by attributes only, never by cell text.
#include <cstdio>

#include "css.hpp"
#include "html_writer.hpp"
#include "sheet.hpp"

namespace qrv::filters::html {
namespace {

std::string colour_css(uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "color:#%06X", colour & 0xFFFFFFu);
    return text;
}

const char *align_css(Align align) {
    switch (align) {
    case Align::Centre: return "text-align:center";
    case Align::Right: return "text-align:right";
    case Align::Justify: return "text-align:justify";
    default: return "text-align:left";
    }
}

std::string span_css(const SheetSpan &span) {
    std::string css = css_of(span.format);
    if (span.colour != kNoColour) css += (css.empty() ? "" : ";") + colour_css(span.colour);
    return css;
}

// One-based row and column numbers as the sheet's owner sees them.
std::string stretch(const char *what, uint32_t first, uint32_t last) {
    return std::string(what) + " " + std::to_string(first + 1) + " to " + std::to_string(last + 1);
}

std::string column_tag(const SheetColumn &column) {
    std::string tag = "<col";
    if (column.gap)
        tag += " class=\"gap\" title=\"" + stretch("empty columns", column.first, column.last) + " left out\"";
    else if (column.hidden)
        tag += " class=\"hidden\"";
    if (column.width_twips && !column.gap) tag += " style=\"width:" + std::to_string(column.width_twips / 20) + "pt\"";
    return tag + ">";
}

}  // namespace

void HtmlWriter::begin_sheet(const SheetInfo &sheet) {
    close_lists();
    sheet_hidden_ = sheet.hidden;
    body_ += std::string("<table class=\"sheet") + (sheet.hidden ? " hidden" : "") + "\" id=\"sheet-" +
             std::to_string(sheet.section) + "\">\n";
    if (!sheet.name.empty()) body_ += "<caption>" + escape(sheet.name) + "</caption>\n";
    if (sheet.columns.empty()) return;
    body_ += "<colgroup>";
    for (const SheetColumn &column : sheet.columns) body_ += column_tag(column);
    body_ += "</colgroup>\n";
}

void HtmlWriter::sheet_row_begin(const SheetRow &row) {
    body_ += "<tr data-row=\"";
    body_.number(uint64_t{row.first} + 1);
    body_ += '"';
    if (row.gap)
        body_ += " class=\"gap\" title=\"" + stretch("empty rows", row.first, row.last) + " left out\"";
    else if (row.hidden)
        body_ += " class=\"hidden\"";
    body_ += ">";
}

void HtmlWriter::sheet_cell(const SheetCell &cell) {
    body_ += "<td";
    if (cell.kind == kCellError)
        body_ += " class=\"err\"";
    else if (cell.numeric)
        body_ += " class=\"num\"";
    write_spans(cell.column_span, cell.row_span);
    if (cell.aligned || cell.colour != kNoColour) {
        std::string css;
        if (cell.aligned) css = align_css(cell.align);
        if (cell.colour != kNoColour) css += (css.empty() ? "" : ";") + colour_css(cell.colour);
        write_attribute("style", css);
    }
    body_ += ">";
    if (!cell.link.empty()) {
        body_ += "<a href=\"";
        write_escaped(body_, cell.link);
        body_ += "\">";
    }
    const std::string_view text = cell.text;
    size_t at = 0;
    for (const SheetSpan &span : cell.spans) {
        if (span.begin < at || span.end > text.size()) continue;
        write_escaped(body_, text.substr(at, span.begin - at));
        const std::string css_text = span_css(span);
        const std::string_view part = text.substr(span.begin, span.end - span.begin);
        if (css_text.empty()) {
            write_escaped(body_, part);
        } else {
            body_ += "<span style=\"";
            body_ += css_text;
            body_ += "\">";
            write_escaped(body_, part);
            body_ += "</span>";
        }
        at = span.end;
    }
    write_escaped(body_, text.substr(at));
    write_cell_objects(cell);
    if (!cell.link.empty()) body_ += "</a>";
    body_ += "</td>";
}

void HtmlWriter::sheet_row_end() { body_ += "</tr>\n"; }

// A cell's pictures and objects where they are anchored; its charts wait
// for the end of the sheet.
void HtmlWriter::write_cell_objects(const SheetCell &cell) {
    for (const ObjectInfo &object : cell.objects) {
        if (object.chart)
            sheet_charts_.push_back(object);
        else
            write_object(object, !cell.link.empty());
    }
}

// The sheet's charts follow its table, in the order of the cells they are
// anchored over: drawn inside a cell they would widen its column.
void HtmlWriter::end_sheet() {
    body_ += "</table>\n";
    if (sheet_charts_.empty()) return;
    body_ += std::string("<div class=\"sheet-charts") + (sheet_hidden_ ? " hidden" : "") + "\">\n";
    for (const ObjectInfo &chart : sheet_charts_) {
        write_chart(chart);
        body_ += '\n';
    }
    body_ += "</div>\n";
    sheet_charts_.clear();
}

}  // namespace qrv::filters::html
