#include "body_reader.hpp"

#include <algorithm>
#include <cstdlib>

#include "writer/utf16.hpp"
#include "package/package_pictures.hpp"
#include "package/package_charts.hpp"
#include "package/xml_space.hpp"
#include "textdoc/symbol_fonts.hpp"

namespace qrv::import::docx {

using textdoc::VerticalMerge;

namespace {

bool is_w(const XmlName &name, std::string_view local) { return name.is(Ns::Wordprocessing, local); }

// Elements that only wrap content of the same kind as their parent: a
// content control, a smart tag, custom XML, an insertion kept as accepted.
bool is_wrapper(const XmlName &name) {
    if (name.ns != Ns::Wordprocessing) return false;
    const std::string_view e = name.local;
    return e == "sdt" || e == "sdtContent" || e == "smartTag" || e == "customXml" || e == "ins" || e == "moveTo" ||
           e == "dir" || e == "bdo";
}

// Content removed by a tracked change, shown as accepted: left out.
bool is_removed(const XmlName &name) { return is_w(name, "del") || is_w(name, "moveFrom"); }

// Requirements of an mc:Choice this reader meets in what the choice holds.
bool choice_is_readable(std::string_view needs) {
    constexpr std::string_view kKnown[] = {"wps", "wpg", "wpc", "wpi", "wp14", "w14", "a14", "v", "m"};
    size_t i = 0;
    while (i < needs.size()) {
        const size_t end = std::min(needs.find(' ', i), needs.size());
        const std::string_view prefix = needs.substr(i, end - i);
        if (!prefix.empty() && std::find(std::begin(kKnown), std::end(kKnown), prefix) == std::end(kKnown))
            return false;
        i = end + 1;
    }
    return true;
}

}  // namespace

BodyReader::BodyReader(Package &package, std::string part, const ThemeFonts &theme, const NoteBodies *notes,
                       textdoc::TextSink &sink)
    : package_(package), part_(std::move(part)), notes_(notes), props_(theme) {
    stack_.push_back({Role::Container});
    sinks_.push_back(&sink);
}

BodyReader::BodyReader(Package &package, std::string part, const ThemeFonts &theme, NoteBodies &bodies)
    : package_(package), part_(std::move(part)), bodies_(&bodies), props_(theme) {
    stack_.push_back({Role::Container});
}

// ---- dispatch ----

void BodyReader::start(const XmlName &name, const XmlAttributes &a) {
    if (props_.active()) return props_.start(name, a);
    Entry entry{Role::Skip};
    const Role role = stack_.back().role;
    if (name.ns == Ns::MarkupCompatibility && role != Role::Skip) {
        stack_.push_back(markup_compatibility(name, a));
        return;
    }
    switch (role) {
    case Role::Skip: break;
    case Role::Container: entry = container_child(name, a); break;
    case Role::Block: entry = block_child(name, a); break;
    case Role::Paragraph: entry = paragraph_child(name, a); break;
    case Role::Run: entry = run_child(name, a); break;
    case Role::Table: entry = table_child(name); break;
    case Role::Row: entry = row_child(name); break;
    case Role::Cell: entry = cell_child(name, a); break;
    case Role::Drawing: entry = drawing_child(name, a); break;
    case Role::Math: entry = math_child(name); break;
    case Role::TableGrid:
        if (is_w(name, "gridCol") && !tables_.empty())
            tables_.back().table.grid.push_back(integer_of(a.get(Ns::Wordprocessing, "w")));
        break;
    case Role::RowProperties:
    case Role::CellProperties: table_property(role, name, a); break;
    case Role::SectionProperties: section_property(name, a); break;
    case Role::Text:
    case Role::Instruction:
    case Role::Properties: break;
    }
    stack_.push_back(entry);
}

void BodyReader::end(const XmlName &) {
    if (props_.active() && !props_.end()) return;  // inside the properties
    const Entry entry = stack_.back();
    stack_.pop_back();
    close(entry);
}

void BodyReader::text(std::string_view piece) {
    const Role role = stack_.back().role;
    if (role == Role::Text)
        text_.append(piece);
    else if (role == Role::Instruction)
        fields_.instruction(piece);
}

void BodyReader::close(const Entry &entry) {
    switch (entry.close) {
    case Close::None: break;
    case Close::Body: break;
    case Close::Note: finish_note(); break;
    case Close::Paragraph:
        begin_paragraph_if_due();
        fields_.end_paragraph();
        sink().end_paragraph();
        if (paragraph().props.ends_section) sink().end_section();
        paragraphs_.pop_back();
        break;
    case Close::Run: paragraph().run_given = false; break;
    case Close::Text:
        show_text(text_, preserve_);
        text_.clear();  // keeps its room for the next text
        break;
    case Close::Instruction: break;
    case Close::Hyperlink: sink().end_link(); break;
    case Close::Table:
        begin_table_if_due();
        sink().end_table();
        tables_.pop_back();
        break;
    case Close::Row:
        begin_row_if_due();
        sink().end_row();
        break;
    case Close::Cell:
        begin_cell_if_due();
        sink().end_cell();
        break;
    case Close::TextBox: finish_text_box(); break;
    case Close::Drawing:
        if (auto kind = drawings_.back().kind(); kind && !paragraphs_.empty()) {
            begin_paragraph_if_due();
            sink().object(object_of(*kind, drawings_.back()));
        }
        drawings_.pop_back();
        break;
    case Close::AlternateContent: alternates_taken_.pop_back(); break;
    }
}

// ---- containers and blocks ----

BodyReader::Entry BodyReader::container_child(const XmlName &name, const XmlAttributes &a) {
    if (name.ns != Ns::Wordprocessing) return {Role::Skip};
    const std::string_view e = name.local;
    if (e == "document" || e == "footnotes" || e == "endnotes" || e == "comments") return {Role::Container};
    if ((e == "body" || e == "hdr" || e == "ftr") && !bodies_) return {Role::Block, Close::Body};
    if ((e == "footnote" || e == "endnote" || e == "comment") && bodies_) return begin_note(name, a);
    return {Role::Skip};
}

// The section's headers and footers, by the pages each stands on.
void BodyReader::section_property(const XmlName &name, const XmlAttributes &a) {
    const bool header = is_w(name, "headerReference");
    if (!header && !is_w(name, "footerReference")) return;
    const std::string_view type = a.get(Ns::Wordprocessing, "type");
    const model::RunningPages pages =
        type == "first" ? model::kFirstPage : type == "even" ? model::kEvenPages : model::kEveryPage;
    const std::string_view id = a.get(Ns::Relationships, "id");
    if (!id.empty() && running_.size() < 6)
        running_.push_back({header ? model::kRunningHeader : model::kRunningFooter, pages, std::string(id)});
}

BodyReader::Entry BodyReader::block_child(const XmlName &name, const XmlAttributes &a) {
    if (is_w(name, "sectPr")) {
        running_.clear();  // a later section's own
        return {Role::SectionProperties};
    }
    if (is_w(name, "p")) {
        paragraphs_.emplace_back();
        return {Role::Paragraph, Close::Paragraph};
    }
    if (is_w(name, "tbl")) {
        tables_.emplace_back();
        return {Role::Table, Close::Table};
    }
    if (is_w(name, "bookmarkStart")) {
        bookmark(a);
        return {Role::Skip};
    }
    if (is_wrapper(name)) return {Role::Block};
    return {Role::Skip};
}

// ---- paragraphs ----

void BodyReader::begin_paragraph_if_due() {
    ParagraphState &p = paragraph();
    if (p.begun) return;
    p.begun = true;
    sink().begin_paragraph(textdoc::ParagraphStart{p.props.style, p.props.format, p.props.list});
}

BodyReader::Entry BodyReader::paragraph_child(const XmlName &name, const XmlAttributes &a) {
    if (is_w(name, "pPr") && !paragraph().begun) {
        props_.begin(paragraph().props);
        return {Role::Properties};
    }
    if (is_removed(name)) return {Role::Skip};
    begin_paragraph_if_due();
    if (is_w(name, "r")) {
        paragraph().run = RunProperties{};
        paragraph().run_given = false;
        return {Role::Run, Close::Run};
    }
    if (is_w(name, "hyperlink")) {
        const std::string target = link_target(a);
        if (target.empty()) return {Role::Paragraph};
        sink().begin_link(target);
        return {Role::Paragraph, Close::Hyperlink};
    }
    if (is_w(name, "fldSimple")) {
        if (fields_.hides(a.get(Ns::Wordprocessing, "instr"))) return {Role::Skip};
        if (auto target = fields::hyperlink_target(a.get(Ns::Wordprocessing, "instr")); target && fields_.showing()) {
            sink().begin_link(*target);
            return {Role::Paragraph, Close::Hyperlink};
        }
        return {Role::Paragraph};
    }
    if (is_w(name, "bookmarkStart")) {
        bookmark(a);
        return {Role::Skip};
    }
    if (is_wrapper(name)) return {Role::Paragraph};
    if (name.is(Ns::Math, "oMathPara") || name.is(Ns::Math, "oMath")) {
        paragraph().run = RunProperties{};
        paragraph().run_given = false;
        return {Role::Math};
    }
    return {Role::Skip};
}

// The target of a w:hyperlink: its relationship's URL and its anchor.
std::string BodyReader::link_target(const XmlAttributes &a) {
    std::string target;
    const std::string_view id = a.get(Ns::Relationships, "id");
    if (!id.empty()) {
        if (const Relationship *r = package_.relationship(part_, id)) {
            target = r->target;
        } else {
            package_.diagnostics().warn(part_ + ": a link names relationship '" + std::string(id) +
                                        "', which the part does not have; its text is kept without the link");
        }
    }
    const std::string_view anchor = a.get(Ns::Wordprocessing, "anchor");
    if (!anchor.empty()) target += "#" + std::string(anchor);
    return target;
}

void BodyReader::bookmark(const XmlAttributes &a) {
    const std::string_view name = a.get(Ns::Wordprocessing, "name");
    if (name.empty() || name == "_GoBack") return;  // where the cursor was last, not a bookmark of the text
    if (!paragraphs_.empty()) begin_paragraph_if_due();
    sink().bookmark(name);
}

// ---- runs ----

void BodyReader::announce_run() {
    ParagraphState &p = paragraph();
    if (p.run_given) return;
    p.run_given = true;
    sink().run(textdoc::RunStart{p.run.style, p.run.format});
}

void BodyReader::show(std::string_view utf8) {
    if (!fields_.showing() || paragraphs_.empty()) return;
    announce_run();
    sink().text(utf8);
}

// Text without xml:space="preserve" loses the white space at its ends.
void BodyReader::show_text(std::string_view text, bool preserve) { show(preserve ? text : trimmed_xml_space(text)); }

// The elements of a run, each with what it does.
BodyReader::Entry BodyReader::run_child(const XmlName &name, const XmlAttributes &a) {
    using Handler = Entry (BodyReader::*)(const XmlAttributes &);
    struct RunElement {
        std::string_view local;
        Handler handle;
    };
    static constexpr RunElement kRunElements[] = {
        {"rPr", &BodyReader::run_properties},
        {"t", &BodyReader::text_element},
        {"instrText", &BodyReader::instruction},
        {"tab", &BodyReader::tab},
        {"ptab", &BodyReader::tab},
        {"br", &BodyReader::break_element},
        {"cr", &BodyReader::line_break},
        {"sym", &BodyReader::symbol},
        {"noBreakHyphen", &BodyReader::non_breaking_hyphen},
        {"softHyphen", &BodyReader::soft_hyphen},
        {"fldChar", &BodyReader::field_char},
        {"footnoteReference", &BodyReader::footnote_reference},
        {"endnoteReference", &BodyReader::endnote_reference},
        {"commentReference", &BodyReader::comment_reference},
        {"drawing", &BodyReader::drawing},
        {"pict", &BodyReader::drawing},
        {"object", &BodyReader::drawing},
    };
    if (name.ns != Ns::Wordprocessing) return {Role::Skip};
    for (const auto &element : kRunElements)
        if (element.local == name.local) return (this->*element.handle)(a);
    return {Role::Skip};
}

BodyReader::Entry BodyReader::run_properties(const XmlAttributes &) {
    props_.begin(paragraph().run);
    paragraph().run_given = false;
    return {Role::Properties};
}

BodyReader::Entry BodyReader::text_element(const XmlAttributes &a) {
    text_.clear();
    preserve_ = a.get(Ns::Xml, "space") == "preserve";
    return {Role::Text, Close::Text};
}

BodyReader::Entry BodyReader::instruction(const XmlAttributes &) { return {Role::Instruction, Close::Instruction}; }

BodyReader::Entry BodyReader::tab(const XmlAttributes &) {
    show("\t");
    return {Role::Skip};
}

BodyReader::Entry BodyReader::break_element(const XmlAttributes &a) {
    if (!fields_.showing()) return {Role::Skip};
    announce_run();
    if (a.get(Ns::Wordprocessing, "type") == "page")
        sink().page_break();
    else
        sink().line_break();  // a line or column break
    return {Role::Skip};
}

BodyReader::Entry BodyReader::line_break(const XmlAttributes &) {
    if (fields_.showing()) sink().line_break();
    return {Role::Skip};
}

BodyReader::Entry BodyReader::non_breaking_hyphen(const XmlAttributes &) {
    show("\u2011");
    return {Role::Skip};
}

BodyReader::Entry BodyReader::soft_hyphen(const XmlAttributes &) {
    show("\u00AD");
    return {Role::Skip};
}

BodyReader::Entry BodyReader::drawing(const XmlAttributes &) {
    drawings_.emplace_back();
    return {Role::Drawing, Close::Drawing};
}

BodyReader::Entry BodyReader::footnote_reference(const XmlAttributes &a) {
    note_reference(a, false);
    return {Role::Skip};
}

BodyReader::Entry BodyReader::endnote_reference(const XmlAttributes &a) {
    note_reference(a, true);
    return {Role::Skip};
}

BodyReader::Entry BodyReader::symbol(const XmlAttributes &a) {
    const std::string_view font = a.get(Ns::Wordprocessing, "font");
    const long code = std::strtol(std::string(a.get(Ns::Wordprocessing, "char")).c_str(), nullptr, 16);
    if (code > 0 && code <= 0x10FFFF) {
        std::string utf8;
        append_utf8(textdoc::unicode_of_symbol(font, static_cast<char32_t>(code)), utf8);
        show(utf8);
    }
    return {Role::Skip};
}

BodyReader::Entry BodyReader::field_char(const XmlAttributes &a) {
    const std::string_view type = a.get(Ns::Wordprocessing, "fldCharType");
    if (type == "begin") {
        fields_.begin();
    } else if (type == "separate") {
        if (auto target = fields_.separate(); target && !paragraphs_.empty()) sink().begin_link(*target);
    } else if (type == "end") {
        if (fields_.end() && !paragraphs_.empty()) sink().end_link();
    }
    return {Role::Skip};
}

void BodyReader::note_reference(const XmlAttributes &a, bool endnote) {
    if (!notes_) return;  // a reference inside a note: notes do not nest
    const std::string_view id = a.get(Ns::Wordprocessing, "id");
    const auto &bodies = endnote ? notes_->endnotes : notes_->footnotes;
    auto found = bodies.find(id);
    if (found == bodies.end()) {
        package_.diagnostics().warn(part_ + ": a reference names " + (endnote ? "endnote '" : "footnote '") +
                                    std::string(id) + "', which the document does not have; it is left out");
        return;
    }
    sink().note(endnote ? textdoc::NoteKind::Endnote : textdoc::NoteKind::Footnote, found->second);
}

BodyReader::Entry BodyReader::comment_reference(const XmlAttributes &a) {
    if (!notes_) return {Role::Skip};
    auto found = notes_->comments.find(a.get(Ns::Wordprocessing, "id"));
    if (found != notes_->comments.end()) sink().comment(found->second.author, found->second.body);
    return {Role::Skip};
}

// ---- notes and comments ----

BodyReader::Entry BodyReader::begin_note(const XmlName &name, const XmlAttributes &a) {
    const std::string_view type = a.get(Ns::Wordprocessing, "type");
    // Separators and continuation notices are the lines above notes, no note.
    if (!type.empty() && type != "normal") return {Role::Skip};
    using Kind = NoteInProgress::Kind;
    const Kind kind = name.local == "footnote"  ? Kind::Footnote
                      : name.local == "endnote" ? Kind::Endnote
                                                : Kind::Comment;
    note_ = NoteInProgress{kind, std::string(a.get(Ns::Wordprocessing, "id")),
                           std::string(a.get(Ns::Wordprocessing, "author")), std::make_unique<textdoc::Recording>()};
    sinks_.push_back(note_->body.get());
    return {Role::Block, Close::Note};
}

void BodyReader::finish_note() {
    sinks_.pop_back();
    NoteInProgress note = std::move(*note_);
    note_.reset();
    switch (note.kind) {
    case NoteInProgress::Kind::Footnote: bodies_->footnotes[note.id] = std::move(*note.body); break;
    case NoteInProgress::Kind::Endnote: bodies_->endnotes[note.id] = std::move(*note.body); break;
    case NoteInProgress::Kind::Comment: bodies_->comments[note.id] = {note.author, std::move(*note.body)}; break;
    }
}

// ---- text boxes, drawings and alternate content ----

BodyReader::Entry BodyReader::begin_text_box() {
    if (text_boxes_.size() >= kMaxTextBoxDepth) {
        if (!warned_text_boxes_)
            package_.diagnostics().warn(part_ + ": text boxes nested deeper than " + std::to_string(kMaxTextBoxDepth) +
                                        " are left out");
        warned_text_boxes_ = true;
        return {Role::Skip};
    }
    text_boxes_.push_back(std::make_unique<textdoc::Recording>());
    sinks_.push_back(text_boxes_.back().get());
    return {Role::Block, Close::TextBox};
}

void BodyReader::finish_text_box() {
    sinks_.pop_back();
    const std::unique_ptr<textdoc::Recording> content = std::move(text_boxes_.back());
    text_boxes_.pop_back();
    if (!content->empty()) sink().frame(*content);
}

BodyReader::Entry BodyReader::drawing_child(const XmlName &name, const XmlAttributes &a) {
    if (is_w(name, "txbxContent")) return begin_text_box();
    drawings_.back().element(name, a);
    return {Role::Drawing};
}

BodyReader::Entry BodyReader::math_child(const XmlName &name) {
    if (name.is(Ns::Math, "t")) {
        text_.clear();
        preserve_ = true;
        return {Role::Text, Close::Text};
    }
    if (is_w(name, "rPr") || name.is(Ns::Math, "rPr") || name.is(Ns::Math, "ctrlPr")) return {Role::Skip};
    return {Role::Math};
}

// Alternate content: the first choice this reader can read stands for
// the whole, read in the role of the element around it; the fallback
// counts when no choice was taken.
BodyReader::Entry BodyReader::markup_compatibility(const XmlName &name, const XmlAttributes &a) {
    const Entry around = stack_.back();
    if (name.local == "AlternateContent") {
        alternates_taken_.push_back(false);
        return {around.role, Close::AlternateContent};
    }
    if (around.close != Close::AlternateContent || alternates_taken_.back()) return {Role::Skip};
    if (name.local == "Choice" && !choice_is_readable(a.get(Ns::None, "Requires"))) return {Role::Skip};
    if (name.local != "Choice" && name.local != "Fallback") return {Role::Skip};
    alternates_taken_.back() = true;
    return {around.role};
}

// ---- tables ----

void BodyReader::begin_table_if_due() {
    TableState &t = tables_.back();
    if (t.begun) return;
    t.begun = true;
    sink().begin_table(t.table);
}

void BodyReader::begin_row_if_due() {
    begin_table_if_due();
    TableState &t = tables_.back();
    if (t.row_begun) return;
    t.row_begun = true;
    sink().begin_row(t.row);
}

void BodyReader::begin_cell_if_due() {
    begin_row_if_due();
    TableState &t = tables_.back();
    if (t.cell_begun) return;
    t.cell_begun = true;
    sink().begin_cell(t.cell);
}

BodyReader::Entry BodyReader::table_child(const XmlName &name) {
    if (is_w(name, "tblGrid")) return {Role::TableGrid};
    if (is_w(name, "tr")) {
        begin_table_if_due();
        TableState &t = tables_.back();
        t.row = textdoc::RowStart{};
        t.row_begun = false;
        return {Role::Row, Close::Row};
    }
    if (is_wrapper(name)) return {Role::Table};
    return {Role::Skip};
}

BodyReader::Entry BodyReader::row_child(const XmlName &name) {
    if (is_w(name, "trPr")) return {Role::RowProperties};
    if (is_w(name, "tc")) {
        begin_row_if_due();
        TableState &t = tables_.back();
        t.cell = textdoc::CellStart{};
        t.cell_begun = false;
        return {Role::Cell, Close::Cell};
    }
    if (is_wrapper(name)) return {Role::Row};
    return {Role::Skip};
}

BodyReader::Entry BodyReader::cell_child(const XmlName &name, const XmlAttributes &a) {
    if (is_w(name, "tcPr") && !tables_.back().cell_begun) return {Role::CellProperties};
    begin_cell_if_due();
    return block_child(name, a);
}

void BodyReader::table_property(Role role, const XmlName &name, const XmlAttributes &a) {
    if (name.ns != Ns::Wordprocessing || tables_.empty()) return;
    TableState &t = tables_.back();
    const std::string_view e = name.local;
    if (role == Role::RowProperties) {
        if (e == "tblHeader")
            t.row.header = on_off(a);
        else if (e == "trHeight")
            t.row.height = integer_of(val(a));
        else if (e == "gridBefore")
            t.row.cells_before = static_cast<unsigned>(std::clamp(integer_of(val(a)), 0, 1000));
        return;
    }
    if (e == "gridSpan") {
        const int32_t span = integer_of(val(a), 1);
        t.cell.column_span = span > 0 && span < 1000 ? static_cast<unsigned>(span) : 1u;
    } else if (e == "vMerge") {
        t.cell.merge = val(a) == "restart" ? VerticalMerge::Restart : VerticalMerge::Covered;
    } else if (e == "tcW" && a.get(Ns::Wordprocessing, "type") == "dxa") {
        t.cell.width = integer_of(a.get(Ns::Wordprocessing, "w"));
    }
}

// The object a drawing shows, with its picture kept when it has one.
textdoc::ObjectRef BodyReader::object_of(textdoc::ObjectKind kind, const DrawingObject &drawing) {
    textdoc::ObjectRef object{kind, drawing.description(), drawing.name(), {}, drawing.width_pt(), drawing.height_pt()};
    if (pictures_ && kind == textdoc::ObjectKind::Picture)
        object.resource =
            keep_picture_part(package_, *pictures_, picture_target(package_, part_, drawing.picture_relationship()));
    if (pictures_ && kind == textdoc::ObjectKind::Chart)
        object.resource =
            keep_chart_part(package_, *pictures_, picture_target(package_, part_, drawing.chart_relationship()));
    return object;
}

}  // namespace qrv::import::docx
