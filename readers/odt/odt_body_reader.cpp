#include "odt_body_reader.hpp"

#include <algorithm>

#include "odf/attribute_values.hpp"

namespace qrv::import::odf {

using textdoc::ListRef;
using textdoc::NoteKind;
using textdoc::ObjectKind;

namespace {

constexpr size_t kLongestCapture = 4096;  // of a title, description or author

bool is_text(const XmlName &name, std::string_view local) { return name.is(Ns::Text, local); }

// Elements holding the words of a graphic shape: read as a text box.
bool is_shape(const XmlName &name) {
    constexpr std::string_view kShapes[] = {"custom-shape", "rect",     "ellipse", "circle",
                                            "polygon",      "polyline", "path",    "line",
                                            "connector",    "caption",  "measure", "regular-polygon"};
    return name.ns == Ns::Draw && std::find(std::begin(kShapes), std::end(kShapes), name.local) != std::end(kShapes);
}

// Indexes and tables of contents: their bodies show their entries.
bool is_index(const XmlName &name) {
    constexpr std::string_view kIndexes[] = {"table-of-content", "illustration-index", "table-index",
                                             "object-index",     "user-index",         "alphabetical-index",
                                             "bibliography",     "index-body",         "index-title"};
    return name.ns == Ns::Text && std::find(std::begin(kIndexes), std::end(kIndexes), name.local) != std::end(kIndexes);
}

}  // namespace

OdtBodyReader::OdtBodyReader(const OdtStyleSheet &sheet, const textdoc::TextDocument &doc, ListInstances &lists,
                             Diagnostics &diagnostics, textdoc::TextSink &sink)
    : sheet_(sheet), doc_(doc), lists_(lists), diagnostics_(diagnostics) {
    stack_.push_back({Role::Root});
    sinks_.push_back(&sink);
}

// ---- dispatch ----

void OdtBodyReader::start(const XmlName &name, const XmlAttributes &a) {
    Entry entry{Role::Skip};
    switch (stack_.back().role) {
    case Role::Skip:
    case Role::Capture: break;
    case Role::Root: entry = root_child(name); break;
    case Role::Blocks:
    case Role::ListItem:
    case Role::Cell: entry = block_child(name, a); break;
    case Role::List: entry = list_child(name, a); break;
    case Role::Paragraph:
    case Role::Inline: entry = inline_child(name, a); break;
    case Role::Note: entry = note_child(name); break;
    case Role::Frame: entry = frame_child(name, a); break;
    case Role::Drawings: entry = drawing(name, a); break;
    case Role::Annotation: entry = annotation_child(name, a); break;
    case Role::Table:
    case Role::Columns:
    case Role::Rows: entry = table_child(name, a); break;
    case Role::Row: entry = row_child(name, a); break;
    }
    stack_.push_back(entry);
}

void OdtBodyReader::end(const XmlName &) {
    const Entry entry = stack_.back();
    stack_.pop_back();
    close(entry);
}

void OdtBodyReader::text(std::string_view piece) {
    const Role role = stack_.back().role;
    if (role == Role::Paragraph || role == Role::Inline) {
        show(paragraph().white_space.shown(piece));
    } else if (role == Role::Capture && capture_ && capture_->size() < kLongestCapture) {
        capture_->append(piece.substr(0, kLongestCapture - capture_->size()));
    }
}

void OdtBodyReader::close(const Entry &entry) {
    switch (entry.close) {
    case Close::None: break;
    case Close::Paragraph:
        sink().end_paragraph();
        paragraphs_.pop_back();
        break;
    case Close::Span:
        paragraph().spans.pop_back();
        paragraph().run_given = false;
        break;
    case Close::Link: sink().end_link(); break;
    case Close::Note: notes_.pop_back(); break;
    case Close::NoteBody: {
        const auto body = end_recording();
        sink().note(notes_.back(), *body);
        if (!paragraphs_.empty()) paragraphs_.back().white_space.shown_other();
        break;
    }
    case Close::Frame: finish_frame(); break;
    case Close::Recording: {
        const auto content = end_recording();
        if (!content->empty()) sink().frame(*content);
        break;
    }
    case Close::Annotation: finish_annotation(); break;
    case Close::List: list_contexts_.pop_back(); break;
    case Close::HeaderRows: tables_.back().header_rows = false; break;
    case Close::Table:
        begin_table_if_due();
        sink().end_table();
        tables_.pop_back();
        break;
    case Close::Row: finish_row(); break;
    case Close::Cell: finish_cell(); break;
    }
}

OdtBodyReader::Entry OdtBodyReader::root_child(const XmlName &name) {
    if (!name.is(Ns::Office, "text")) return {Role::Skip};
    saw_text_ = true;
    return {Role::Blocks};
}

// ---- blocks ----

OdtBodyReader::Entry OdtBodyReader::block_child(const XmlName &name, const XmlAttributes &a) {
    if (name.ns == Ns::Table) return name.local == "table" ? begin_table() : Entry{Role::Skip};
    if (name.ns == Ns::Draw) return drawing(name, a);
    if (name.is(Ns::Office, "annotation")) return begin_annotation();
    if (name.ns != Ns::Text) return {Role::Skip};
    const std::string_view e = name.local;
    if (e == "p" || e == "h") return begin_paragraph(name, a);
    if (e == "list") return begin_list(a);
    if (e == "numbered-paragraph") return begin_numbered_paragraph(a);
    if (e == "section") return {a.get(Ns::Text, "display") == "none" ? Role::Skip : Role::Blocks};
    if (is_index(name)) return {Role::Blocks};
    if (e == "bookmark" || e == "bookmark-start") return bookmark(a);
    return {Role::Skip};
}

// ---- paragraphs ----

OdtBodyReader::Entry OdtBodyReader::begin_paragraph(const XmlName &name, const XmlAttributes &a) {
    const std::string_view style_name = a.get(Ns::Text, "style-name");
    StyleUse use = sheet_.paragraph(style_name);
    textdoc::ParagraphStart start{std::move(use.style), std::move(use.para), list_of_paragraph(name, a, style_name)};
    if (is_text(name, "h")) {
        const uint32_t level = std::clamp<uint32_t>(count_of(a.get(Ns::Text, "outline-level"), 1), 1, 9);
        start.direct.outline_level = level - 1;
    }
    paragraphs_.emplace_back();
    paragraphs_.back().spans.push_back(SpanLook{{}, std::move(use.chars)});
    sink().begin_paragraph(start);
    return {Role::Paragraph, Close::Paragraph};
}

// The list a paragraph is numbered in: the first paragraph of a list item
// is; a heading is when the outline numbers its level.
ListRef OdtBodyReader::list_of_paragraph(const XmlName &name, const XmlAttributes &a, std::string_view style_name) {
    ListContext *list = stack_.back().role == Role::ListItem ? open_list() : nullptr;
    if (list) {
        if (list->header || list->item_numbered) return ListRef{std::string(), std::nullopt};
        list->item_numbered = true;
        std::string key = lists_.item(list->level, list->start_value, sheet_.list_style_of(style_name));
        if (!key.empty()) return ListRef{std::move(key), list->level};
        if (!warned_list_)
            diagnostics_.note("a list names a list style the document does not define; its items are not numbered");
        warned_list_ = true;
        return {};
    }
    if (!is_text(name, "h") || a.get(Ns::Text, "is-list-header") == "true" || !sheet_.outline()) return {};
    const auto &levels = sheet_.outline()->levels;
    const uint32_t level = std::clamp<uint32_t>(count_of(a.get(Ns::Text, "outline-level"), 1), 1, 9) - 1;
    if (level >= levels.size() || levels[level].kind == textdoc::NumberKind::None) return {};
    return ListRef{std::string(kOutlineList), level};
}

// The elements of a paragraph, each with what it does; fields and other
// elements of the text namespace show the text they hold.
OdtBodyReader::Entry OdtBodyReader::inline_child(const XmlName &name, const XmlAttributes &a) {
    using Handler = Entry (OdtBodyReader::*)(const XmlAttributes &);
    struct InlineElement {
        std::string_view local;
        Handler handle;
    };
    static constexpr InlineElement kInlineElements[] = {
        {"span", &OdtBodyReader::begin_span},
        {"a", &OdtBodyReader::begin_text_link},
        {"s", &OdtBodyReader::spaces},
        {"tab", &OdtBodyReader::tab},
        {"line-break", &OdtBodyReader::line_break},
        {"note", &OdtBodyReader::begin_note},
        {"bookmark", &OdtBodyReader::bookmark},
        {"bookmark-start", &OdtBodyReader::bookmark},
        {"reference-mark", &OdtBodyReader::bookmark},
        {"reference-mark-start", &OdtBodyReader::bookmark},
        {"bookmark-ref", &OdtBodyReader::reference},
        {"reference-ref", &OdtBodyReader::reference},
        {"hidden-text", &OdtBodyReader::hidden_text},
        // What these hold is no text of the paragraph.
        {"ruby-text", &OdtBodyReader::skip},
        {"tracked-changes", &OdtBodyReader::skip},
        {"change", &OdtBodyReader::skip},
        {"note-citation", &OdtBodyReader::skip},
        {"note-body", &OdtBodyReader::skip},
        {"soft-page-break", &OdtBodyReader::skip},
        {"hidden-paragraph", &OdtBodyReader::skip},
        {"p", &OdtBodyReader::skip},
        {"h", &OdtBodyReader::skip},
        {"list", &OdtBodyReader::skip},
        {"section", &OdtBodyReader::skip},
    };
    if (name.ns == Ns::Draw) return drawing(name, a);
    if (name.is(Ns::Office, "annotation")) return begin_annotation();
    if (name.ns != Ns::Text) return {Role::Skip};
    for (const auto &element : kInlineElements)
        if (element.local == name.local) return (this->*element.handle)(a);
    return {Role::Inline};
}

OdtBodyReader::Entry OdtBodyReader::begin_text_link(const XmlAttributes &a) {
    return begin_link(a.get(Ns::XLink, "href"), Role::Inline);
}

// A reference to a bookmark or mark shows its text as a link to it.
OdtBodyReader::Entry OdtBodyReader::reference(const XmlAttributes &a) {
    const std::string_view target = a.get(Ns::Text, "ref-name");
    return begin_link(target.empty() ? std::string() : "#" + std::string(target), Role::Inline);
}

OdtBodyReader::Entry OdtBodyReader::tab(const XmlAttributes &) {
    show("\t");
    paragraph().white_space.shown_other();
    return {Role::Skip};
}

OdtBodyReader::Entry OdtBodyReader::line_break(const XmlAttributes &) {
    announce_run();
    sink().line_break();
    paragraph().white_space.line_broken();
    return {Role::Skip};
}

OdtBodyReader::Entry OdtBodyReader::begin_span(const XmlAttributes &a) {
    const StyleUse use = sheet_.span(a.get(Ns::Text, "style-name"));
    SpanLook look = paragraph().spans.back();
    if (!use.style.empty()) {
        look.style = use.style;
        if (const textdoc::ResolvedStyle *style = doc_.character_style(use.style)) overlay(look.chars, style->chars);
    }
    overlay(look.chars, use.chars);
    paragraph().spans.push_back(std::move(look));
    paragraph().run_given = false;
    return {Role::Inline, Close::Span};
}

OdtBodyReader::Entry OdtBodyReader::begin_link(std::string_view target, Role role) {
    if (target.empty()) return {role};
    sink().begin_link(target);
    return {role, Close::Link};
}

void OdtBodyReader::announce_run() {
    ParagraphState &p = paragraph();
    if (p.run_given) return;
    p.run_given = true;
    sink().run(textdoc::RunStart{p.spans.back().style, p.spans.back().chars});
}

void OdtBodyReader::show(std::string_view utf8) {
    if (utf8.empty()) return;
    announce_run();
    sink().text(utf8);
}

OdtBodyReader::Entry OdtBodyReader::spaces(const XmlAttributes &a) {
    const uint32_t count = std::clamp<uint32_t>(count_of(a.get(Ns::Text, "c"), 1), 1, kMostSpaces);
    show(std::string(count, ' '));
    paragraph().white_space.shown_other();
    return {Role::Skip};
}

OdtBodyReader::Entry OdtBodyReader::bookmark(const XmlAttributes &a) {
    const std::string_view name = a.get(Ns::Text, "name");
    if (!name.empty()) sink().bookmark(name);
    return {Role::Skip};
}

// Text shown unless its condition hid it when the document was saved.
OdtBodyReader::Entry OdtBodyReader::hidden_text(const XmlAttributes &a) {
    if (a.get(Ns::Text, "is-hidden") != "true") show(a.get(Ns::Text, "string-value"));
    return {Role::Skip};
}

// ---- lists ----

OdtBodyReader::ListContext *OdtBodyReader::open_list() {
    if (list_contexts_.empty() || list_contexts_.back().barrier) return nullptr;
    return &list_contexts_.back();
}

OdtBodyReader::Entry OdtBodyReader::begin_list(const XmlAttributes &a) {
    ListContext context;
    if (const ListContext *outer = open_list()) {
        context.level = outer->level + 1;
    } else {
        lists_.begin_list(a.get(Ns::Text, "style-name"), a.get(Ns::Xml, "id"),
                          a.get(Ns::Text, "continue-numbering") == "true", a.get(Ns::Text, "continue-list"));
    }
    list_contexts_.push_back(context);
    return {Role::List, Close::List};
}

OdtBodyReader::Entry OdtBodyReader::list_child(const XmlName &name, const XmlAttributes &a) {
    ListContext *list = open_list();
    const bool header = is_text(name, "list-header");
    if (!list || !(header || is_text(name, "list-item"))) return {Role::Skip};
    list->header = header;
    list->item_numbered = false;
    list->start_value.reset();
    if (const auto *start = a.find(Ns::Text, "start-value"))
        list->start_value = static_cast<int32_t>(std::min<uint32_t>(count_of(*start, 1), 1u << 30));
    return {Role::ListItem};
}

// A paragraph numbered in a list without a list around it: one item, in
// the list its text:list-id names.
OdtBodyReader::Entry OdtBodyReader::begin_numbered_paragraph(const XmlAttributes &a) {
    const std::string_view id = a.get(Ns::Text, "list-id");
    lists_.begin_list(a.get(Ns::Text, "style-name"), id, false, id);
    ListContext context;
    context.level = std::clamp<uint32_t>(count_of(a.get(Ns::Text, "level"), 1), 1, textdoc::kMaxListLevels) - 1;
    if (const auto *start = a.find(Ns::Text, "start-value"))
        context.start_value = static_cast<int32_t>(std::min<uint32_t>(count_of(*start, 1), 1u << 30));
    list_contexts_.push_back(context);
    return {Role::ListItem, Close::List};
}

// ---- notes, frames, comments ----

bool OdtBodyReader::begin_recording() {
    if (recordings_.size() >= kMaxRecordingDepth) {
        if (!warned_depth_)
            diagnostics_.warn("notes, text boxes and comments nested deeper than " +
                              std::to_string(kMaxRecordingDepth) + " are left out");
        warned_depth_ = true;
        return false;
    }
    recordings_.push_back(std::make_unique<textdoc::Recording>());
    sinks_.push_back(recordings_.back().get());
    list_contexts_.push_back(barrier());
    return true;
}

std::unique_ptr<textdoc::Recording> OdtBodyReader::end_recording() {
    sinks_.pop_back();
    list_contexts_.pop_back();
    auto recording = std::move(recordings_.back());
    recordings_.pop_back();
    return recording;
}

OdtBodyReader::Entry OdtBodyReader::begin_note(const XmlAttributes &a) {
    notes_.push_back(a.get(Ns::Text, "note-class") == "endnote" ? NoteKind::Endnote : NoteKind::Footnote);
    return {Role::Note, Close::Note};
}

OdtBodyReader::Entry OdtBodyReader::note_child(const XmlName &name) {
    if (!is_text(name, "note-body") || !begin_recording()) return {Role::Skip};
    return {Role::Blocks, Close::NoteBody};
}

OdtBodyReader::Entry OdtBodyReader::drawing(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::Draw, "frame")) {
        frames_.push_back(FrameState{});
        frames_.back().name = a.get(Ns::Draw, "name");
        frames_.back().width_pt = points_of_length(a.get(Ns::Svg, "width"));
        frames_.back().height_pt = points_of_length(a.get(Ns::Svg, "height"));
        return {Role::Frame, Close::Frame};
    }
    if (name.is(Ns::Draw, "g")) return {Role::Drawings};
    if (name.is(Ns::Draw, "a")) return begin_link(a.get(Ns::XLink, "href"), Role::Drawings);
    if (is_shape(name)) return begin_text_box();
    return {Role::Skip};
}

OdtBodyReader::Entry OdtBodyReader::begin_text_box() {
    if (!begin_recording()) return {Role::Skip};
    return {Role::Blocks, Close::Recording};
}

// What a frame holds: a picture, an object (a chart is one that follows
// ranges of a table), a text box, and its title and description.
OdtBodyReader::Entry OdtBodyReader::frame_child(const XmlName &name, const XmlAttributes &a) {
    FrameState &frame = frames_.back();
    if (name.is(Ns::Draw, "image") && frame.kind == ObjectKind::Chart && !frame.resource.empty()) {
        return {Role::Skip};  // a chart's picture of itself: the chart is drawn from its values
    } else if (name.is(Ns::Draw, "image")) {
        frame.kind = ObjectKind::Picture;
        if (pictures_ && frame.resource.empty()) frame.resource = pictures_->keep(a.get(Ns::XLink, "href"));
    } else if (name.is(Ns::Draw, "object") || name.is(Ns::Draw, "object-ole") || name.is(Ns::Draw, "plugin")) {
        const bool chart = a.has(Ns::Draw, "notify-on-update-of-ranges");
        if (pictures_ && !frame.kind && frame.resource.empty()) frame.resource = pictures_->keep_chart(a.get(Ns::XLink, "href"));
        if (!frame.kind) frame.kind = chart || !frame.resource.empty() ? ObjectKind::Chart : ObjectKind::Other;
    } else if (name.is(Ns::Draw, "text-box")) {
        return begin_text_box();
    } else if (name.is(Ns::Svg, "title") || name.is(Ns::Svg, "desc")) {
        capture_ = name.local == "title" ? &frame.title : &frame.description;
        return {Role::Capture};
    }
    return {Role::Skip};
}

void OdtBodyReader::finish_frame() {
    const FrameState frame = std::move(frames_.back());
    frames_.pop_back();
    if (!frame.kind) return;
    const std::string &description = !frame.description.empty() ? frame.description : frame.title;
    sink().object({*frame.kind, description, frame.name, frame.resource, frame.width_pt, frame.height_pt});
}

OdtBodyReader::Entry OdtBodyReader::begin_annotation() {
    if (!begin_recording()) return {Role::Skip};
    authors_.emplace_back();
    return {Role::Annotation, Close::Annotation};
}

OdtBodyReader::Entry OdtBodyReader::annotation_child(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::DublinCore, "creator")) {
        capture_ = &authors_.back();
        return {Role::Capture};
    }
    return block_child(name, a);
}

void OdtBodyReader::finish_annotation() {
    const auto body = end_recording();
    sink().comment(authors_.back(), *body);
    authors_.pop_back();
}

// ---- tables ----

uint32_t OdtBodyReader::repeats(std::string_view count) {
    const uint32_t n = std::max<uint32_t>(count_of(count, 1), 1);
    if (n <= kMaxRepeats) return n;
    if (!warned_repeats_)
        diagnostics_.warn("a table row or cell repeated more than " + std::to_string(kMaxRepeats) + " times is shown " +
                          std::to_string(kMaxRepeats) + " times");
    warned_repeats_ = true;
    return kMaxRepeats;
}

OdtBodyReader::Entry OdtBodyReader::begin_table() {
    tables_.emplace_back();
    return {Role::Table, Close::Table};
}

void OdtBodyReader::begin_table_if_due() {
    TableState &t = tables_.back();
    if (t.begun) return;
    t.begun = true;
    sink().begin_table(t.table);
}

OdtBodyReader::Entry OdtBodyReader::table_child(const XmlName &name, const XmlAttributes &a) {
    if (name.ns != Ns::Table) return {Role::Skip};
    TableState &t = tables_.back();
    const std::string_view e = name.local;
    if (e == "table-column") {
        const int32_t width = sheet_.column_width(a.get(Ns::Table, "style-name"));
        const uint32_t n = count_of(a.get(Ns::Table, "number-columns-repeated"), 1);
        for (uint32_t i = 0; i < n && t.table.grid.size() < TableSpans::kMaxColumns; ++i) t.table.grid.push_back(width);
        return {Role::Skip};
    }
    if (e == "table-columns" || e == "table-header-columns" || e == "table-column-group") return {Role::Columns};
    if (e == "table-header-rows") {
        t.header_rows = true;
        return {Role::Rows, Close::HeaderRows};
    }
    if (e == "table-rows" || e == "table-row-group") return {Role::Rows};
    if (e == "table-row") return begin_row(a);
    return {Role::Skip};
}

OdtBodyReader::Entry OdtBodyReader::begin_row(const XmlAttributes &a) {
    begin_table_if_due();
    TableState &t = tables_.back();
    t.row_repeats = repeats(a.get(Ns::Table, "number-rows-repeated"));
    // A repeated row is recorded once and sent as often as it repeats.
    if (t.row_repeats > 1 && !begin_recording()) t.row_repeats = 1;
    t.spans.begin_row();
    sink().begin_row(textdoc::RowStart{t.header_rows, sheet_.row_height(a.get(Ns::Table, "style-name")), 0});
    return {Role::Row, Close::Row};
}

void OdtBodyReader::finish_row() {
    TableState &t = tables_.back();
    t.spans.end_row();
    sink().end_row();
    if (t.row_repeats <= 1) return;
    const auto row = end_recording();
    for (uint32_t i = 0; i < t.row_repeats; ++i) row->replay(sink());
}

OdtBodyReader::Entry OdtBodyReader::row_child(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::Table, "table-cell") || name.is(Ns::Table, "covered-table-cell")) return begin_cell(name, a);
    return {Role::Skip};
}

OdtBodyReader::Entry OdtBodyReader::begin_cell(const XmlName &name, const XmlAttributes &a) {
    TableState &t = tables_.back();
    const uint32_t n = repeats(a.get(Ns::Table, "number-columns-repeated"));
    if (name.local == "covered-table-cell") {
        // A covered cell's content, if any, is not shown.
        for (uint32_t i = 0; i < n; ++i) {
            if (auto cell = t.spans.covered()) {
                sink().begin_cell(*cell);
                sink().end_cell();
            }
        }
        return {Role::Skip};
    }
    t.cell = textdoc::CellStart{};
    t.cell.column_span =
        std::clamp<uint32_t>(count_of(a.get(Ns::Table, "number-columns-spanned"), 1), 1, TableSpans::kMaxColumns);
    t.cell.row_span = std::clamp<uint32_t>(count_of(a.get(Ns::Table, "number-rows-spanned"), 1), 1, 65535);
    t.cell_repeats = n;
    // A repeated cell is recorded once and sent as often as it repeats.
    if (t.cell_repeats > 1 && !begin_recording()) t.cell_repeats = 1;
    if (t.cell_repeats == 1) {
        t.spans.cell(t.cell.column_span, t.cell.row_span);
        sink().begin_cell(t.cell);
    }
    list_contexts_.push_back(barrier());
    return {Role::Cell, Close::Cell};
}

void OdtBodyReader::finish_cell() {
    list_contexts_.pop_back();
    TableState &t = tables_.back();
    if (t.cell_repeats <= 1) {
        sink().end_cell();
        return;
    }
    const auto content = end_recording();
    for (uint32_t i = 0; i < t.cell_repeats; ++i) {
        t.spans.cell(t.cell.column_span, t.cell.row_span);
        sink().begin_cell(t.cell);
        content->replay(sink());
        sink().end_cell();
    }
}

}  // namespace qrv::import::odf
