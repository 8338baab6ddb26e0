#include "html_writer.hpp"

#include <algorithm>
#include <cctype>
#include <set>

#include "pictures.hpp"
#include "model.hpp"

#include "chart_html.hpp"
#include "chart_table.hpp"
#include "css.hpp"
#include "outline.hpp"

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

// Rules of what only some pages hold, added when it first comes.
constexpr const char *kHeaderCellStyle =
    "th{border:1px solid #888;padding:0.2em 0.5em;vertical-align:top;background:#eee}\n";
constexpr const char *kPictureStyle = "img.picture{max-width:100%;height:auto;vertical-align:bottom}\n";
constexpr const char *kObjectStyle =
    ".object{display:inline-block;border:1px dashed #888;padding:0.5em;color:#555;font-size:smaller}\n";
constexpr const char *kChartStyle =
    "span.chart{display:inline-block;vertical-align:bottom}\nspan.chart svg{max-width:100%;height:auto}\n"
    "table.chart-data caption{text-align:left;font-weight:bold}\ndiv.sheet-charts.hidden{display:none}\n";
constexpr const char *kCellParagraphStyle = "td p,th p{margin:0.2em 0}\n";
constexpr const char *kHeadingMarkerStyle =
    "h1 .marker,h2 .marker,h3 .marker,h4 .marker,h5 .marker,h6 .marker"
    "{min-width:0;margin-right:0.3em}\n";
constexpr const char *kSlideStyle =
    "section.slide{border:1px solid #bbb;border-radius:6px;padding:0.2em 1.5em 0.8em;margin:1.5em 0 0.5em;"
    "box-shadow:0 1px 4px rgba(0,0,0,0.15)}\n"
    "section.slide.hidden{opacity:0.6;border-style:dashed}\n"
    "p.slide-number{float:right;margin:0.6em 0 0 1em;font-size:smaller}\n"
    "p.slide-number a{color:#777;text-decoration:none}\n"
    "aside.notes{margin:0 0 1.5em;padding:0.3em 1.5em;border-left:3px solid #bbb;background:#f7f7f7;"
    "font-size:smaller;color:#444}\n"
    "aside.notes p{margin:0.3em 0}\n"
    "aside.notes::before{content:\"Notes\";font-weight:bold;font-size:smaller;color:#777}\n";
constexpr const char *kRunningStyle =
    "header.running,footer.running{color:#666;font-size:smaller}\n"
    "header.running{border-bottom:1px solid #ccc;margin-bottom:1.5em}\n"
    "footer.running{border-top:1px solid #ccc;margin-top:1.5em}\n"
    "header.running p,footer.running p{margin:0.2em 0}\n";
constexpr const char *kCommentStyle =
    "section.comments{border-top:1px solid #888;margin-top:2em;font-size:smaller;color:#555}\n";

// Each line of text as a paragraph.
void write_paragraphs(Output &out, std::string_view text) {
    for (std::string_view line : lines_of(text)) {
        out += "<p>";
        write_escaped(out, line);
        out += "</p>\n";
    }
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
            if (depth + 1 < level)
                out += "<ul>\n<li>";
            else
                out += "<ul>\n";
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
        if (note.kind == NoteKind::Comment) continue;
        std::string n = std::to_string(note.number);
        out += "<li id=\"note-" + n + "\">" + escape(note.text) + " <a href=\"#ref-" + n + "\">&#8617;</a></li>\n";
    }
    return out + "</ol>\n</section>\n";
}

// Comments are not part of the text: they are listed after it, each with
// its author.
std::string comments_of(const std::vector<Note> &notes) {
    std::string out;
    for (const auto &note : notes) {
        if (note.kind != NoteKind::Comment) continue;
        out += "<li id=\"comment-" + std::to_string(note.number) + "\">";
        if (!note.place.empty()) out += "<span class=\"comment-place\">" + escape(note.place) + "</span> ";
        if (!note.author.empty()) out += "<b>" + escape(note.author) + ":</b> ";
        out += escape(note.text) + "</li>\n";
    }
    return out.empty() ? out : "<section class=\"comments\">\n<h2>Comments</h2>\n<ul>\n" + out + "</ul>\n</section>\n";
}

bool has_notes(const std::vector<Note> &notes) {
    return std::any_of(notes.begin(), notes.end(), [](const Note &n) { return n.kind != NoteKind::Comment; });
}

// Our own class names; a paragraph style of the same name is told apart.
std::string style_class(const std::string &style) {
    if (style.empty()) return {};
    std::string name = id_of(style);
    static const std::set<std::string> kOwn = {"title",    "list",  "marker",   "grid",   "sheet", "num",
                                               "contents", "notes", "comments", "object", "slide", "slide-number",
                                               "comment-mark", "comment-place"};
    return kOwn.contains(name) ? "style-" + name : name;
}

// The width and height attributes of a picture, in CSS pixels (96 an
// inch); a size the document leaves out is left to the picture.
std::string picture_size(const ObjectInfo &object) {
    if (!object.width_pt || !object.height_pt) return {};
    const auto pixels = [](uint32_t points) { return std::to_string((points * 4 + 1) / 3); };
    return " width=\"" + pixels(object.width_pt) + "\" height=\"" + pixels(object.height_pt) + "\"";
}

// A link's href: a bookmark of the document by its anchor, else the URL.
std::string href_of(std::string_view target) {
    if (target.starts_with('#')) return "#bm-" + id_of(target.substr(1));
    return escape(target);
}

// The meta element of a property a page describes itself by.
const char *meta_name(uint32_t id) {
    switch (id) {
    case kPropertyAuthor: return "author";
    case kPropertyDescription: return "description";
    case kPropertyKeywords: return "keywords";
    case kPropertySubject: return "subject";
    default: return nullptr;
    }
}

// A language tag as the lang attribute takes it ("en_US" as "en-US"), or
// "" for a value that is no tag.
std::string language_tag(std::string_view value) {
    constexpr size_t kLongestTag = 35;
    if (value.empty() || value.size() > kLongestTag) return {};
    std::string tag;
    for (char c : value) {
        if (c == '_') c = '-';
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return {};
        tag += c;
    }
    return tag;
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
    // A list of the other kind at this level is a list of its own.
    if (open.size() == level && open.back().numbered != para.numbered) {
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

void HtmlWriter::write_attribute(const char *name, std::string_view value) {
    if (value.empty()) return;
    body_ += ' ';
    body_ += name;
    body_ += "=\"";
    body_ += value;
    body_ += '"';
}

void HtmlWriter::begin_paragraph(const ParaFormat &para) {
    const std::string css = css_of(para);
    switch (para.kind) {
    case ParaKind::Title:
        close_lists();
        if (title_state_ == TitleState::Awaited) title_state_ = TitleState::Open;
        body_ += "<h1 class=\"title\"";
        write_attribute("style", css);
        paragraph_end_ = "</h1>\n";
        break;
    case ParaKind::Heading: {
        close_lists();
        title_state_ = TitleState::Done;
        if (!para.marker.empty()) use_style(kHeadingMarkerStyle);
        const char level = static_cast<char>('0' + std::max(1u, std::min(para.heading_level, 6u)));
        body_ += "<h";
        body_ += level;
        write_attribute("id", para.anchor);
        write_attribute("class", style_class(para.style));
        write_attribute("style", css);
        paragraph_end_ = std::string("</h") + level + ">\n";
        break;
    }
    case ParaKind::ListItem:
        enter_list(para);
        body_ += "<li";
        write_attribute("class", style_class(para.style));
        write_attribute("style", css);
        paragraph_end_.clear();  // the item stays open for its sub-lists
        break;
    case ParaKind::Body:
        close_lists();
        body_ += "<p";
        write_attribute("class", style_class(para.style));
        write_attribute("style", css);
        paragraph_end_ = "</p>\n";
        break;
    }
    body_ += '>';
    if (para.marker.empty() || para.kind == ParaKind::Body) return;
    body_ += "<span class=\"marker\">";
    write_escaped(body_, para.marker);
    body_ += "</span> ";
}

void HtmlWriter::close_span() {
    if (span_open_) body_ += "</span>";
    span_open_ = false;
}

// The declarations of the formatting last asked for are kept: runs come
// in the same formatting over and over.
const std::string &HtmlWriter::css_for(const TextFormat &format) {
    if (!(format == css_format_)) {
        css_ = css_of(format);
        css_format_ = format;
    }
    return css_;
}

void HtmlWriter::text(std::string_view utf8, const TextFormat &format) {
    if (utf8.empty()) return;
    if (span_open_ && !(format == span_format_)) close_span();
    if (!span_open_) {
        const std::string &css = css_for(format);
        if (!css.empty()) {
            body_ += "<span style=\"";
            body_ += css;
            body_ += "\">";
            span_open_ = true;
            span_format_ = format;
        }
    }
    write_escaped(body_, utf8);
}

void HtmlWriter::line_break() { body_ += "<br>"; }

void HtmlWriter::end_paragraph() {
    end_link();
    body_ += paragraph_end_;
    paragraph_end_.clear();
    body_ += after_paragraph_;
    after_paragraph_.clear();
    if (title_state_ != TitleState::Open) return;
    contents_at_ = body_.size();
    title_state_ = TitleState::Done;
}

void HtmlWriter::note_reference(unsigned number) {
    close_span();
    body_ += "<sup><a href=\"#note-";
    body_.number(number);
    body_ += "\" id=\"ref-";
    body_.number(number);
    body_ += "\">";
    body_.number(number);
    body_ += "</a></sup>";
}

void HtmlWriter::bookmark(std::string_view name) {
    std::string id = "bm-" + id_of(name);
    // Ids stay unique however often a name comes back.
    while (bookmarks_.contains(id)) id += "-";
    bookmarks_.insert(id);
    close_span();
    body_ += "<a id=\"" + id + "\"></a>";
}

void HtmlWriter::begin_link(std::string_view target) {
    end_link();
    close_span();
    body_ += "<a href=\"" + href_of(target) + "\">";
    link_open_ = true;
}

void HtmlWriter::end_link() {
    close_span();
    if (link_open_) body_ += "</a>";
    link_open_ = false;
}

// The picture where it stands, at the size the document gives it; a
// picture browsers cannot show is a link to its file, and an object
// without one a placeholder with its description.
void HtmlWriter::object(const ObjectInfo &object) {
    close_span();
    write_object(object, link_open_);
}

// A chart drawn where it stands; one not drawn is named there and its
// table follows the paragraph (at once in a cell).
void HtmlWriter::write_chart(const ObjectInfo &object) {
    use_style(kChartStyle);
    if (const std::string drawing = chart_drawing(object); !drawing.empty()) {
        body_ += drawing;
        return;
    }
    if (paragraph_end_.empty()) {
        body_ += chart_data_table(object);
        return;
    }
    body_ += "<span class=\"chart\">[Chart: " + escape(chart_caption(object)) + "]</span>";
    after_paragraph_ += chart_data_table(object);
}

void HtmlWriter::write_object(const ObjectInfo &object, bool in_link) {
    if (object.chart) return write_chart(object);
    const std::string label = escape(object_label(object));
    if (!object.address.empty() && browsers_show(object.media_type)) {
        use_style(kPictureStyle);
        body_ += "<img class=\"picture\" src=\"" + escape(object.address) + "\" alt=\"" + escape(object_alt(object)) +
                 "\"" + picture_size(object) + ">";
        return;
    }
    use_style(kObjectStyle);
    if (!object.address.empty() && !in_link) {
        body_ += "<a class=\"object\" href=\"" + escape(object.address) + "\">[" + label + "]</a>";
        return;
    }
    body_ += "<span class=\"object\" role=\"img\" aria-label=\"" + label + "\">[" + label + "]</span>";
}

void HtmlWriter::use_style(const char *rule) {
    if (extra_style_.find(rule) == std::string::npos) extra_style_ += rule;
}

void HtmlWriter::properties(const std::vector<Property> &properties) {
    for (const auto &p : properties)
        if (p.id == kPropertyLanguage) lang_ = language_tag(p.value);
    for (const auto &p : properties)
        if (const char *name = meta_name(p.id))
            head_ += std::string("<meta name=\"") + name + "\" content=\"" + escape(p.value) + "\">\n";
}

void HtmlWriter::begin_table(unsigned) {
    close_lists();
    use_style(kCellParagraphStyle);
    body_ += "<table class=\"grid\">\n";
}

void HtmlWriter::begin_row() { body_ += "<tr>"; }

void HtmlWriter::write_spans(unsigned column_span, unsigned row_span) {
    if (column_span > 1) {
        body_ += " colspan=\"";
        body_.number(column_span);
        body_ += '"';
    }
    if (row_span > 1) {
        body_ += " rowspan=\"";
        body_.number(row_span);
        body_ += '"';
    }
}

void HtmlWriter::write_cell_open(const char *tag, const CellFormat &cell, const char *css_class) {
    body_ += "<";
    body_ += tag;
    if (css_class) write_attribute("class", css_class);
    write_spans(cell.column_span, cell.row_span);
    body_ += ">";
}

void HtmlWriter::begin_cell(const CellFormat &cell) {
    if (cell.header) use_style(kHeaderCellStyle);
    write_cell_open(cell.header ? "th" : "td", cell, nullptr);
    cells_.push_back(cell.header ? "</th>" : "</td>");
    containers_.emplace_back();
}

void HtmlWriter::end_cell() {
    close_lists();
    if (containers_.size() > 1) containers_.pop_back();
    body_ += cells_.empty() ? "</td>" : cells_.back();
    if (!cells_.empty()) cells_.pop_back();
}

void HtmlWriter::end_row() { body_ += "</tr>\n"; }

void HtmlWriter::end_table() { body_ += "</table>\n"; }

// A slide is a section of its own with its number, its notes an aside
// after it.
void HtmlWriter::begin_slide(const SlideInfo &slide) {
    close_lists();
    use_style(kSlideStyle);
    slide_ = slide;
    slide_notes_.clear();
    const std::string anchor = slide_anchor(slide.number);
    body_ += slide.hidden ? "<section class=\"slide hidden\" id=\"" : "<section class=\"slide\" id=\"";
    body_ += anchor;
    body_ += "\">\n<p class=\"slide-number\"><a href=\"#";
    body_ += anchor;
    body_ += "\">";
    write_escaped(body_, slide_label(slide.number));
    body_ += "</a></p>\n";
}

void HtmlWriter::slide_notes(std::string_view notes) { slide_notes_ = notes; }

void HtmlWriter::end_slide() {
    close_lists();
    body_ += "</section>\n";
    if (slide_notes_.empty()) return;
    body_ += "<aside class=\"notes\" aria-label=\"Notes on ";
    write_escaped(body_, slide_label(slide_.number));
    body_ += "\">\n";
    write_paragraphs(body_, slide_notes_);
    body_ += "</aside>\n";
    slide_notes_.clear();
}

// A running header or footer of the document's pages, once: the header
// before the text, the footer after it.
void HtmlWriter::write_running(Output &page, const std::string *text, const char *element) {
    if (!text) return;
    page += "<";
    page += element;
    page += " class=\"running\">\n";
    write_paragraphs(page, *text);
    page += "</";
    page += element;
    page += ">\n";
}

// The head and contents, then the running header, the body held back so
// far, the running footer and the notes.
void HtmlWriter::finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                        const std::vector<Note> &notes) {
    close_lists();
    body_.flush();
    Output &page = page_;
    page += "<!DOCTYPE html>\n<html lang=\"";
    page += lang_.empty() ? std::string_view("en") : std::string_view(lang_);
    page += "\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    if (title.empty()) title = document_name_;
    write_escaped(page, title.empty() ? std::string_view("Untitled document") : title);
    const std::string comments = comments_of(notes);
    if (!comments.empty()) use_style(kCommentStyle);
    if (running_.header() || running_.footer()) use_style(kRunningStyle);
    page += "</title>\n";
    page += head_;
    page += "<style>\n";
    page += kPageStyle;
    page += extra_style_;
    page += sheet_classes_.rules();
    page += "</style>\n</head>\n<body>\n";
    write_running(page, running_.header(), "header");
    page += "<main>\n";
    spill_.copy_to(page, contents_at_, outline.empty() ? std::string() : contents_of(outline));
    page += "</main>\n";
    write_running(page, running_.footer(), "footer");
    if (has_notes(notes)) page += notes_of(notes);
    page += comments;
    page += "</body>\n</html>\n";
}

}  // namespace qrv::filters::html
