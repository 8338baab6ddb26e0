// Spreadsheet sections as HTML tables: the sheet's name as the caption,
// column widths in a colgroup, merged cells as spans, numbers aligned
// right, the rows frozen at the top as the table's head, and each distinct
// look of a cell (alignment, colour, fill, borders, wrapping, the format
// of its whole text) as one class; rich text as spans of classes too.
// Rows and columns left out of a sparse sheet are told by attributes
// only, never by cell text.
#include <cstdio>

#include "cell_look_key.hpp"
#include "css.hpp"
#include "html_writer.hpp"
#include "sheet.hpp"

namespace qrv::filters::html {
namespace {

std::string hex_rgb(uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", colour & 0xFFFFFFu);
    return text;
}

std::string colour_css(uint32_t colour) {
    std::string css = "color:";
    css += hex_rgb(colour);
    return css;
}

const char *align_css(Align align) {
    switch (align) {
    case Align::Centre: return "text-align:center";
    case Align::Right: return "text-align:right";
    case Align::Justify: return "text-align:justify";
    default: return "text-align:left";
    }
}

void add_to_look(std::string &css, std::string_view declaration) {
    if (!css.empty()) css += ';';
    css += declaration;
}

std::string span_css(const SheetSpan &span) {
    std::string css = css_of(span.format);
    if (span.colour != kNoColour) add_to_look(css, colour_css(span.colour));
    return css;
}

const char *line_css(uint32_t line) {
    switch (line) {
    case kBorderThin: return "1px solid ";
    case kBorderMedium: return "2px solid ";
    case kBorderThick: return "3px solid ";
    case kBorderDashed: return "1px dashed ";
    case kBorderDotted: return "1px dotted ";
    case kBorderDouble: return "3px double ";
    case kBorderMediumDashed: return "2px dashed ";
    default: return nullptr;
    }
}

std::string border_css(const SheetFrame &frame, uint32_t side) {
    const char *line = line_css(frame.lines[side]);
    if (!line) return {};
    const uint32_t colour = frame.line_colours[side];
    std::string css = line;
    css += colour == kNoColour ? std::string("#000") : hex_rgb(colour);
    return css;
}

// Borders drawn alike on all sides go in one declaration.
void add_borders(std::string &css, const SheetFrame &frame) {
    static constexpr const char *kSides[kSideCount] = {"border-top:", "border-right:", "border-bottom:",
                                                      "border-left:"};
    const std::string top = border_css(frame, kSideTop);
    bool alike = !top.empty();
    for (uint32_t side = 1; side < kSideCount && alike; ++side)
        alike = frame.lines[side] == frame.lines[kSideTop] && frame.line_colours[side] == frame.line_colours[kSideTop];
    for (uint32_t side = 0; side < kSideCount; ++side) {
        const std::string border = alike ? top : border_css(frame, side);
        if (border.empty()) continue;
        add_to_look(css, alike ? "border:" : kSides[side]);
        css += border;
        if (alike) return;
    }
}

void add_frame(std::string &css, const SheetFrame &frame) {
    if (frame.fill != kNoColour) {
        add_to_look(css, "background:");
        css += hex_rgb(frame.fill);
    }
    if (frame.vertical == kAlignTop) add_to_look(css, "vertical-align:top");
    if (frame.vertical == kAlignMiddle) add_to_look(css, "vertical-align:middle");
    if (frame.wraps) add_to_look(css, "white-space:pre-wrap");
    add_borders(css, frame);
}

// The declarations of a cell's look: its alignment, colour, frame and
// the formatting of its whole text.
std::string cell_css(const SheetCell &cell) {
    std::string css;
    if (cell.aligned) css = align_css(cell.align);
    if (cell.colour != kNoColour) add_to_look(css, colour_css(cell.colour));
    if (spans_whole_text(cell)) add_to_look(css, span_css(cell.spans[0]));
    if (cell.frame) add_frame(css, *cell.frame);
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

// Cells of a sheet keep to one line and stand at the bottom unless their
// look says otherwise; a sheet without gridlines draws only its borders.
constexpr const char *kSheetCellStyle = "table.sheet td{white-space:nowrap;vertical-align:bottom}\n";
constexpr const char *kNoGridStyle = "table.nogrid td{border:none}\n";
// A small red corner after the cell's text, as spreadsheet programs mark a commented cell.
constexpr const char *kCommentMarkStyle =
    "a.comment-mark{display:inline-block;width:0;height:0;margin-left:2px;vertical-align:top;"
    "border-left:6px solid transparent;border-top:6px solid #c00}\n";

}  // namespace

void HtmlWriter::begin_sheet(const SheetInfo &sheet) {
    close_lists();
    sheet_hidden_ = sheet.hidden;
    use_style(kSheetCellStyle);
    if (!sheet.gridlines) use_style(kNoGridStyle);
    frozen_rows_ = sheet.frozen_rows;
    look_classes_.clear();  // the frames of the sheet before are gone
    header_ = frozen_rows_ ? Header::Awaited : Header::Done;
    body_ += std::string("<table class=\"sheet") + (sheet.hidden ? " hidden" : "") +
             (sheet.gridlines ? "" : " nogrid") + "\" id=\"sheet-" + std::to_string(sheet.section) + "\">\n";
    if (!sheet.name.empty()) body_ += "<caption>" + escape(sheet.name) + "</caption>\n";
    if (sheet.columns.empty()) return;
    body_ += "<colgroup>";
    for (const SheetColumn &column : sheet.columns) body_ += column_tag(column);
    body_ += "</colgroup>\n";
}

// The rows frozen at the top of the sheet's view are its header.
void HtmlWriter::place_row(const SheetRow &row) {
    if (header_ == Header::Done) return;
    const bool in_header = row.first < frozen_rows_;
    if (in_header && header_ == Header::Awaited) {
        body_ += "<thead>\n";
        header_ = Header::Open;
    } else if (!in_header) {
        close_header();
    }
}

void HtmlWriter::close_header() {
    if (header_ == Header::Open) body_ += "</thead>\n";
    header_ = Header::Done;
}

void HtmlWriter::sheet_row_begin(const SheetRow &row) {
    place_row(row);
    body_ += "<tr data-row=\"";
    body_.number(uint64_t{row.first} + 1);
    body_ += '"';
    std::string classes;
    if (row.gap) {
        body_ += " class=\"gap\" title=\"" + stretch("empty rows", row.first, row.last) + " left out\"";
    } else {
        if (row.hidden) classes = "hidden";
        if (row.height_twips) {
            char height[32];
            std::snprintf(height, sizeof height, "height:%gpt", row.height_twips / 20.0);
            if (!classes.empty()) classes += ' ';
            classes += sheet_classes_.class_of(SheetClasses::kRow, height);
        }
        write_attribute("class", classes);
    }
    body_ += ">";
}

// The class of a cell's look ("" for none), its declarations built once
// per distinct look of the sheet.
const std::string &HtmlWriter::look_class(const SheetCell &cell) {
    static const std::string kNone;
    if (!cell.frame && !cell.aligned && cell.colour == kNoColour && cell.spans.empty()) return kNone;
    auto [found, added] = look_classes_.try_emplace(CellLookKey::of(cell));
    if (added) {
        const std::string css = cell_css(cell);
        if (!css.empty()) found->second = sheet_classes_.class_of(SheetClasses::kCell, css);
    }
    return found->second;
}

void HtmlWriter::sheet_cell(const SheetCell &cell) {
    body_ += "<td";
    const char *kind = cell.kind == kCellError ? "err" : cell.numeric ? "num" : nullptr;
    const std::string &look = look_class(cell);
    if (kind || !look.empty()) {
        body_ += " class=\"";
        if (kind) body_ += std::string_view(kind);
        if (kind && !look.empty()) body_ += ' ';
        body_ += look;
        body_ += '"';
    }
    write_spans(cell.column_span, cell.row_span);
    body_ += ">";
    if (!cell.link.empty()) {
        body_ += "<a href=\"";
        write_escaped(body_, cell.link);
        body_ += "\">";
    }
    const std::string_view text = cell.text;
    size_t at = 0;
    for (const SheetSpan &span : cell.spans) {
        if (spans_whole_text(cell)) break;  // the cell's class formats it
        if (span.begin < at || span.end > text.size()) continue;
        write_escaped(body_, text.substr(at, span.begin - at));
        const std::string css_text = span_css(span);
        const std::string_view part = text.substr(span.begin, span.end - span.begin);
        if (css_text.empty()) {
            write_escaped(body_, part);
        } else {
            body_ += "<span class=\"";
            body_ += sheet_classes_.class_of(SheetClasses::kSpan, css_text);
            body_ += "\">";
            write_escaped(body_, part);
            body_ += "</span>";
        }
        at = span.end;
    }
    write_escaped(body_, text.substr(at));
    write_cell_objects(cell);
    if (!cell.link.empty()) body_ += "</a>";
    write_comment_marks(cell);
    body_ += "</td>";
}

void HtmlWriter::sheet_row_end() { body_ += "</tr>\n"; }

// A mark in the cell's corner for each comment on it, its text shown on
// hovering, leading to the comment in the list after the text.  The mark
// is drawn by the style sheet: the cell's text stays as it is.
void HtmlWriter::write_comment_marks(const SheetCell &cell) {
    for (const SheetComment &comment : cell.comments) {
        use_style(kCommentMarkStyle);
        body_ += "<a class=\"comment-mark\" href=\"#comment-" + std::to_string(comment.number) + "\" title=\"";
        write_escaped(body_, comment.text);
        body_ += "\"></a>";
    }
}

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
    close_header();
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
