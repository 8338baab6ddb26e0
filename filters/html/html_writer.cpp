#include "html_writer.hpp"

#include <algorithm>
#include <set>

#include "css.hpp"

namespace qrv::filters::html {
namespace {

constexpr const char *kPageStyle =
    "body{font-family:serif;max-width:50em;margin:2em auto;padding:0 1em;line-height:1.4}\n"
    "h1.title{text-align:center}\n"
    "ol.list,ul.list{list-style:none;padding-left:1.5em}\n"
    ".marker{display:inline-block;min-width:2em}\n"
    "table{border-collapse:collapse;margin:0.5em 0}\n"
    "td{border:1px solid #888;padding:0.2em 0.5em;vertical-align:top}\n"
    "table.sheet td.num{text-align:right}\n"
    "table.sheet caption{text-align:left;font-weight:bold;padding:0.2em 0}\n"
    "table.sheet.hidden,table.sheet tr.hidden{display:none}\n"
    "table.sheet col.hidden{visibility:collapse}\n"
    "table.sheet tr.gap td,table.sheet td.gap{background:#eee;height:0.5em;padding:0}\n"
    "table.sheet td.err{color:#c00}\n"
    "nav.contents ul{list-style:none;padding-left:1.2em}\n"
    "section.notes{border-top:1px solid #888;margin-top:2em;font-size:smaller}\n";

std::string attribute(const char *name, const std::string &value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=\"" + value + "\"";
}

// Nested lists of the contents: one <ul> per level, each item's sub-levels
// inside its <li>.
std::string contents_of(const std::vector<OutlineEntry> &outline) {
    std::string out = "<nav class=\"contents\">\n<h2>Contents</h2>\n";
    unsigned depth = 0;
    for (const auto &entry : outline) {
        unsigned level = std::max(1u, std::min(entry.level, 10u));
        if (level <= depth) out += "</li>\n";
        while (depth > level) out += "</ul>\n</li>\n", --depth;
        while (depth < level) {
            if (depth + 1 < level) out += "<ul>\n<li>";
            else out += "<ul>\n";
            ++depth;
        }
        out += "<li><a href=\"#" + entry.anchor + "\">" + escape(entry.text) + "</a>";
    }
    while (depth > 0) out += "</li>\n</ul>\n", --depth;
    return out + "</nav>\n";
}

std::string notes_of(const std::vector<Note> &notes) {
    std::string out = "<section class=\"notes\">\n<h2>Notes</h2>\n<ol>\n";
    for (const auto &note : notes) {
        std::string n = std::to_string(note.number);
        out += "<li id=\"note-" + n + "\">" + escape(note.text) + " <a href=\"#ref-" + n + "\">&#8617;</a></li>\n";
    }
    return out + "</ol>\n</section>\n";
}

}  // namespace

void HtmlWriter::enter_list(const ParaFormat &para) {
    auto &open = lists();
    const size_t level = std::max(1u, std::min(para.list_level, 12u));
    while (open.size() > level) {
        body_ += open.back().item_open ? "</li>\n" : "";
        body_ += open.back().numbered ? "</ol>\n" : "</ul>\n";
        open.pop_back();
    }
    if (open.size() == level && open.back().item_open) body_ += "</li>\n";
    while (open.size() < level) {
        if (!open.empty() && !open.back().item_open) {
            body_ += "<li>";
            open.back().item_open = true;
        }
        bool numbered = open.size() + 1 == level ? para.numbered : false;
        body_ += numbered ? "<ol class=\"list\">\n" : "<ul class=\"list\">\n";
        open.push_back({numbered, false});
    }
    open.back().item_open = true;
}

void HtmlWriter::close_lists() {
    auto &open = lists();
    while (!open.empty()) {
        if (open.back().item_open) body_ += "</li>\n";
        body_ += open.back().numbered ? "</ol>\n" : "</ul>\n";
        open.pop_back();
    }
}

void HtmlWriter::begin_paragraph(const ParaFormat &para) {
    std::string style = attribute("style", css_of(para));
    switch (para.kind) {
    case ParaKind::Title:
        close_lists();
        body_ += "<h1 class=\"title\"" + style + ">";
        paragraph_end_ = "</h1>\n";
        break;
    case ParaKind::Heading: {
        close_lists();
        std::string tag = "h" + std::to_string(std::max(1u, std::min(para.heading_level, 6u)));
        body_ += "<" + tag + attribute("id", para.anchor) + style + ">";
        paragraph_end_ = "</" + tag + ">\n";
        break;
    }
    case ParaKind::ListItem:
        enter_list(para);
        body_ += "<li" + style + ">";
        if (!para.marker.empty()) body_ += "<span class=\"marker\">" + escape(para.marker) + "</span> ";
        paragraph_end_.clear();  // the item stays open for its sub-lists
        break;
    case ParaKind::Body:
        close_lists();
        body_ += "<p" + style + ">";
        paragraph_end_ = "</p>\n";
        break;
    }
}

void HtmlWriter::close_span() {
    if (span_open_) body_ += "</span>";
    span_open_ = false;
}

void HtmlWriter::text(std::string_view utf8, const TextFormat &format) {
    if (utf8.empty()) return;
    if (span_open_ && !(format == span_format_)) close_span();
    if (!span_open_) {
        std::string css = css_of(format);
        if (!css.empty()) {
            body_ += "<span style=\"" + css + "\">";
            span_open_ = true;
            span_format_ = format;
        }
    }
    body_ += escape(utf8);
}

void HtmlWriter::line_break() { body_ += "<br>"; }

void HtmlWriter::end_paragraph() {
    close_span();
    body_ += paragraph_end_;
    paragraph_end_.clear();
}

void HtmlWriter::note_reference(unsigned number) {
    close_span();
    std::string n = std::to_string(number);
    body_ += "<sup><a href=\"#note-" + n + "\" id=\"ref-" + n + "\">" + n + "</a></sup>";
}

void HtmlWriter::bookmark(std::string_view name) {
    std::string id = "bm-" + id_of(name);
    // Ids stay unique however often a name comes back.
    while (std::find(bookmarks_.begin(), bookmarks_.end(), id) != bookmarks_.end()) id += "-";
    bookmarks_.push_back(id);
    close_span();
    body_ += "<a id=\"" + id + "\"></a>";
}

void HtmlWriter::begin_table(unsigned) {
    close_lists();
    body_ += "<table class=\"grid\">\n";
}

void HtmlWriter::begin_row() { body_ += "<tr>"; }

void HtmlWriter::write_cell_open(const char *tag, const CellFormat &cell, const char *css_class) {
    body_ += "<";
    body_ += tag;
    if (css_class) body_ += std::string(" class=\"") + css_class + "\"";
    if (cell.column_span > 1) body_ += " colspan=\"" + std::to_string(cell.column_span) + "\"";
    if (cell.row_span > 1) body_ += " rowspan=\"" + std::to_string(cell.row_span) + "\"";
    body_ += ">";
}

void HtmlWriter::begin_cell(const CellFormat &cell) {
    write_cell_open("td", cell, nullptr);
    containers_.emplace_back();
}

void HtmlWriter::end_cell() {
    close_lists();
    if (containers_.size() > 1) containers_.pop_back();
    body_ += "</td>";
}

void HtmlWriter::end_row() { body_ += "</tr>\n"; }

void HtmlWriter::end_table() { body_ += "</table>\n"; }

std::string HtmlWriter::finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                               const std::vector<Note> &notes) {
    close_lists();
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    page += escape(title.empty() ? std::string_view("Untitled document") : title);
    page += "</title>\n<style>\n";
    page += kPageStyle;
    page += "</style>\n</head>\n<body>\n";
    if (!outline.empty()) page += contents_of(outline);
    page += "<main>\n";
    page += body_;
    page += "</main>\n";
    if (!notes.empty()) page += notes_of(notes);
    page += "</body>\n</html>\n";
    return page;
}

}  // namespace qrv::filters::html
