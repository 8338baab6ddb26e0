#include "item_writer.hpp"

#include <qrvmodel/conventions.hpp>

#include <string>

#include "definitions_writer.hpp"
#include "plain_text_writer.hpp"

namespace qrv::import::textdoc {
namespace {

using namespace qrv::model;

// The style attribute code that resets a text record to a style's
// character attributes.
constexpr uint32_t kAllCharacterAttributes = 33;

}  // namespace

ItemWriter::ItemWriter(DocumentWriter &out, const TextDocument &doc, Diagnostics &diagnostics)
    : out_(out),
      doc_(doc),
      diagnostics_(diagnostics),
      fonts_(out, doc.default_chars().font.value_or("")),
      tables_(out, diagnostics) {}

void ItemWriter::begin() {
    write_definitions(out_, fonts_, doc_);
    out_.section(section_kind_);
    items_at_begin_ = out_.items();
}

void ItemWriter::finish() {
    covered_depth_ = 0;
    flattened_tables_ = 0;
    end_paragraph();
    while (tables_.depth() > 0) tables_.end_table();
    drain_frames();
    end_paragraph();
    // A document with no text still holds one empty paragraph: a section
    // must start at an item.
    if (out_.items() == items_at_begin_) out_.break_item(CH_BREAK_PARAGRAPH);
}

void ItemWriter::start_section_if_due() {
    if (!section_due_) return;
    section_due_ = false;
    out_.section(section_kind_);
}

// ---- paragraphs ----

void ItemWriter::begin_paragraph(const ParagraphStart &start) {
    if (dropping()) return;
    if (in_paragraph_) end_paragraph();
    paragraph_ = start;
    in_paragraph_ = true;
    run_due_ = true;
}

void ItemWriter::start_content() {
    if (!in_paragraph_) begin_paragraph(ParagraphStart{});
    if (paragraph_) write_paragraph_start();
}

void ItemWriter::write_paragraph_start() {
    const ParagraphStart start = std::move(*paragraph_);
    paragraph_.reset();
    start_section_if_due();
    const ResolvedStyle *style = doc_.paragraph_style(start.style);
    paragraph_style_ = style;
    ParaFormat shown = doc_.default_para();
    if (style) overlay(shown, style->para);
    overlay(shown, start.direct);
    if (shown.page_break_before.value_or(false)) out_.break_item(CH_BREAK_PAGE);
    if (style) {
        out_.item(CH_ITEM_STYLE, 0, style->number);
        shown_ = look_after_style(look_of(style->chars, doc_.default_chars()));
    }
    character_style_ = nullptr;
    run_due_ = true;
    if (start.list.list || start.list.level) write_list_of(start.list, style);
    write_paragraph_fields(out_, shown);
    if (!start.direct.tabs.empty()) write_tab_changes(out_, start.direct.tabs);
    for (const auto &name : bookmarks_due_) write_bookmark(name);
    bookmarks_due_.clear();
}

// A paragraph's own list fields over its style's: the list it is in, or
// out of the list its style gives.
void ItemWriter::write_list_of(const ListRef &own, const ResolvedStyle *style) {
    ListRef list = style ? style->list : ListRef{};
    if (own.list) list.list = own.list;
    if (own.level) list.level = own.level;
    if (const ResolvedList *found = list.list ? doc_.list(*list.list) : nullptr) {
        write_list_membership(out_, *found, list.level.value_or(0));
        return;
    }
    if (style && style->list.list && !style->list.list->empty()) out_.item(CH_ITEM_LIST_LEVEL, 0);
    if (list.list && !list.list->empty())
        diagnostics_.note("a paragraph names list '" + *list.list + "', which is not defined; it is not numbered");
}

void ItemWriter::write_bookmark(std::string_view name) {
    out_.tag_begin(kBookmarkTag);
    out_.text(name);
    out_.tag_end(kBookmarkTag);
}

void ItemWriter::end_paragraph() {
    if (dropping() || !in_paragraph_) return;
    if (paragraph_) write_paragraph_start();
    end_link();
    out_.break_item(CH_BREAK_PARAGRAPH);
    in_paragraph_ = false;
    drain_frames();
}

// ---- runs ----

void ItemWriter::run(const RunStart &start) {
    if (dropping() || (!run_due_ && start == run_)) return;
    run_ = start;
    run_due_ = true;
}

void ItemWriter::write_run_start() {
    if (!run_due_) return;
    run_due_ = false;
    const CharFormat &defaults = doc_.default_chars();
    const ResolvedStyle *style = doc_.character_style(run_.style);
    if (style != character_style_) {
        if (style) {
            out_.item(CH_ITEM_STYLE, 0, style->number);
            shown_ = look_after_style(look_of(style->chars, defaults));
        } else if (paragraph_style_) {
            out_.item(CH_ITEM_STYLE_ATTR, kAllCharacterAttributes, paragraph_style_->number);
            shown_ = look_after_style(look_of(paragraph_style_->chars, defaults));
        }
        character_style_ = style;
    }
    CharFormat wanted = defaults;
    if (paragraph_style_) overlay(wanted, paragraph_style_->chars);
    if (style) overlay(wanted, style->chars);
    overlay(wanted, run_.direct);
    const RunLook look = look_of(wanted, defaults);
    write_run_changes(out_, fonts_, shown_, look);
    shown_ = look;
}

void ItemWriter::text(std::string_view utf8) {
    if (dropping() || utf8.empty()) return;
    start_content();
    write_run_start();
    out_.text(utf8);
}

void ItemWriter::line_break() {
    if (dropping()) return;
    start_content();
    out_.break_item(CH_BREAK_LINE);
}

void ItemWriter::page_break() {
    if (dropping()) return;
    if (in_paragraph_ && !paragraph_) {
        out_.break_item(CH_BREAK_LINE);  // inside the text
        return;
    }
    start_section_if_due();
    out_.break_item(CH_BREAK_PAGE);
}

// ---- tables ----

void ItemWriter::begin_table(const TableStart &table) {
    if (dropping()) {
        ++covered_depth_;
        return;
    }
    if (in_paragraph_) end_paragraph();
    if (flattened_tables_ > 0 || tables_.depth() >= kMaxTableDepth) {
        if (flattened_tables_++ == 0 && tables_.depth() >= kMaxTableDepth)
            diagnostics_.warn("tables nested deeper than " + std::to_string(kMaxTableDepth) +
                              " are written as the paragraphs of their cells");
        return;
    }
    start_section_if_due();
    tables_.begin_table(table);
}

void ItemWriter::begin_row(const RowStart &row) {
    if (dropping() || flattened_tables_ > 0) return;
    if (in_paragraph_) end_paragraph();
    tables_.begin_row(row);
}

void ItemWriter::begin_cell(const CellStart &cell) {
    if (dropping() || flattened_tables_ > 0) return;
    if (in_paragraph_) end_paragraph();
    if (!tables_.begin_cell(cell)) covered_depth_ = 1;
}

void ItemWriter::end_cell() {
    if (covered_depth_ == 1) {
        covered_depth_ = 0;
        return;
    }
    if (dropping() || flattened_tables_ > 0) return;
    if (in_paragraph_) end_paragraph();
    tables_.end_cell();
}

void ItemWriter::end_row() {
    if (dropping() || flattened_tables_ > 0) return;
    if (in_paragraph_) end_paragraph();
    tables_.end_row();
}

void ItemWriter::end_table() {
    if (covered_depth_ > 1) {
        --covered_depth_;
        return;
    }
    covered_depth_ = 0;
    if (flattened_tables_ > 0) {
        --flattened_tables_;
        return;
    }
    if (in_paragraph_) end_paragraph();
    if (tables_.depth() > 0) tables_.end_table();
}

// ---- notes, comments, frames, bookmarks, links, objects ----

void ItemWriter::note(NoteKind kind, const Recording &body) {
    if (dropping()) return;
    start_content();
    out_.tag_begin(kNoteTag, static_cast<uint32_t>(kind));
    write_plain_text(out_, body);
    out_.tag_end(kNoteTag);
}

void ItemWriter::comment(std::string_view author, const Recording &body) {
    if (dropping()) return;
    if (in_paragraph_) start_content();
    out_.tag_begin(kCommentTag);
    out_.string(author);
    write_plain_text(out_, body);
    out_.tag_end(kCommentTag);
}

// Beside the flow, where the paragraph in hand (if any) stands.
void ItemWriter::running(model::RunningKind kind, model::RunningPages pages, const Recording &body) {
    if (dropping() || !body.has_text()) return;
    if (in_paragraph_) start_content();
    out_.tag_begin(kRunningTag, kind, pages);
    write_plain_text(out_, body);
    out_.tag_end(kRunningTag);
}

void ItemWriter::frame(const Recording &content) {
    if (dropping()) return;
    frames_.push_back(content);
    if (!in_paragraph_) drain_frames();
}

// Text boxes follow the paragraph they are anchored in; a text box met
// while others are written waits its turn, so nesting never deepens the
// stack.
void ItemWriter::drain_frames() {
    if (draining_) return;
    draining_ = true;
    while (!frames_.empty()) {
        const Recording content = std::move(frames_.front());
        frames_.pop_front();
        content.replay(*this);
        if (in_paragraph_) end_paragraph();
    }
    draining_ = false;
}

void ItemWriter::bookmark(std::string_view name) {
    if (dropping() || name.empty()) return;
    if (!in_paragraph_) {
        bookmarks_due_.emplace_back(name);
        return;
    }
    start_content();
    write_bookmark(name);
}

void ItemWriter::begin_link(std::string_view target) {
    if (dropping()) return;
    start_content();
    end_link();
    out_.tag_begin(kLinkTag);
    const uint32_t target_item = out_.string(target, kLinkTargetWide);
    out_.item(CH_ITEM_OBJECT_LOCATOR_PART, kLinkTargetPart, target_item);
    out_.item(CH_ITEM_OBJECT_LOCATOR_END);
    link_open_ = true;
}

void ItemWriter::end_link() {
    if (!link_open_) return;
    link_open_ = false;
    out_.tag_end(kLinkTag);
}

void ItemWriter::object(const ObjectRef &object) {
    if (dropping()) return;
    start_content();
    write_object(out_, object);
}

void ItemWriter::end_section() { section_due_ = true; }

void ItemWriter::mark(uint32_t tag, uint32_t data1, uint32_t data2) {
    start_section_if_due();
    out_.tag_begin(tag, data1, data2);
    out_.tag_end(tag);
}

void ItemWriter::aside(uint32_t tag, const Recording &body) {
    if (dropping()) return;
    end_paragraph();
    start_section_if_due();
    out_.tag_begin(tag);
    write_plain_text(out_, body);
    out_.tag_end(tag);
}

}  // namespace qrv::import::textdoc
