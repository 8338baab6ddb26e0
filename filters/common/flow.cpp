#include "flow.hpp"

#include <qrvch.h>
#include <qrvex/gather.h>
#include <qrvex/navigate.h>

#include "chars.hpp"
#include "model.hpp"
#include "formats.hpp"
#include "links.hpp"
#include "safe_links.hpp"
#include "table_walk.hpp"

namespace qrv::filters {

bool is_change_item(uint32_t type) {
    switch (type) {
    case 8:
    case 9:
    case 10:
    case 12:
    case 13:
    case 14:
    case 21:
    case 25:
    case 28:
    case 29:
    case 30:
    case 56:
    case 57:
    case 58:
    case 59:
    case 60:
    case 61:
    case 62:
    case 63:
    case 64:
    case 65:
    case 88:
    case 93:
    case 94:
    case 95:
    case 97:
    case 98:
    case 99:
    case 100:
    case 103:
    case 119:
    case 122:
    case 137: return true;
    default: return false;
    }
}

uint32_t Flow::walk(uint32_t id, uint32_t last, FlowStop &stop) {
    stop = FlowStop{};
    if (paragraph_first_ == CH_NO_ITEM) paragraph_first_ = id;
    while (id != CH_NO_ITEM && id <= last) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (uint32_t rc = ctx_.items.get(id, item, next)) {
            close_paragraph(CH_NO_ITEM);
            return rc;
        }
        if (!ctx_.progress.tick()) break;
        if (next != CH_NO_ITEM && next <= id) next = CH_NO_ITEM;  // ids that do not grow end the walk
        uint32_t go_on = next;
        bool stop_here = false;
        switch (item.type) {
        case CH_ITEM_TEXT: go_on = on_text(item, next); break;
        case CH_ITEM_BREAK: go_on = on_break(item, id, next, stop_here); break;
        case CH_ITEM_TAG_BEGIN: go_on = on_tag(item, id, next, last); break;
        case CH_ITEM_TAG_END:
            if (item.value == kLinkTag) ctx_.writer.end_link();
            break;
        case CH_ITEM_TABLE_BEGIN: go_on = on_table(id, next, last); break;
        case CH_ITEM_TABLE_END: stop_here = depth_ > 0; break;
        case CH_ITEM_DATA_VALUE: go_on = on_data_value(item, next); break;
        default:
            if (is_change_item(item.type)) go_on = on_change(item, id, next, last);
            break;
        }
        if (stop_here) {
            close_paragraph(next);
            stop = FlowStop{id, next, item};
            return 0;
        }
        // Every handler moves forward; a handler that could not is left behind.
        id = (go_on == CH_NO_ITEM || go_on > id) ? go_on : next;
    }
    close_paragraph(id);
    return 0;
}

uint32_t Flow::on_text(const CHItem &item, uint32_t next) {
    if (!for_each_text_piece(ctx_.chunker, item.value, item.data1, ctx_.chars, ctx_.utf8,
                             [this](std::string_view utf8) { write_run(utf8); }))
        ctx_.progress.warn(CH_ERR_RANGE);
    return next;
}

uint32_t Flow::on_break(const CHItem &item, uint32_t id, uint32_t next, bool &stop_here) {
    switch (item.value) {
    case CH_BREAK_LINE:
        open_paragraph();
        if (ctx_.slide_titling) ctx_.slides.back().text += ' ';
        ctx_.writer.line_break();
        break;
    case CH_BREAK_ROW:
    case CH_BREAK_CELL:
        if (depth_ > 0) {
            stop_here = true;
            break;
        }
        [[fallthrough]];
    case CH_BREAK_PARAGRAPH:
    case CH_BREAK_PAGE:
        // An empty list item still takes its number.
        if (ctx_.para.ListLevel > 0) open_paragraph();
        close_paragraph(next);
        paragraph_first_ = next;
        break;
    default: break;
    }
    (void)id;
    return next;
}

uint32_t Flow::on_tag(const CHItem &item, uint32_t id, uint32_t next, uint32_t last) {
    const uint32_t code = item.value;
    if (code == kNoteTag || code == kBookmarkTag || code == kObjectTag || code == kCommentTag ||
        code == kSlideNotesTag || code == kRunningTag) {
        uint32_t end = CUFindTagEndId(id, ctx_.chunker);
        if (end == CH_NO_ITEM || end > last) end = last;
        on_tagged(item, id, next, end);
        uint32_t after = CUSkipTag(next, ctx_.chunker);
        return after == CH_NO_ITEM ? CH_NO_ITEM : after;
    }
    if (code == kLinkTag) {
        open_paragraph();
        // A target a page must not make live leaves the link's text as plain text.
        if (const std::string target = link_target(ctx_.chunker, id); is_safe_link_target(target))
            ctx_.writer.begin_link(target);
        return next;  // the link's text is part of the flow
    }
    if (code & CH_TAG_WALK_SKIP_BIT) return on_change(item, id, next, last);
    if (code & CH_TAG_SKIPPABLE_BIT) return CUSkipTag(next, ctx_.chunker);
    return next;  // a plain tag: its content is part of the flow
}

// A note, bookmark, object, comment, slide's notes or running header or
// footer whose tag runs from id to end.
void Flow::on_tagged(const CHItem &item, uint32_t id, uint32_t next, uint32_t end) {
    switch (item.value) {
    case kNoteTag:
        open_paragraph();
        ctx_.writer.note_reference(
            ctx_.outline.add_note(id, end, item.data1 == kEndnoteKind ? NoteKind::Endnote : NoteKind::Footnote));
        break;
    case kBookmarkTag:
        open_paragraph();
        ctx_.writer.bookmark(plain_text_between(ctx_.chunker, next, end, 256));
        ctx_.outline.add_bookmark(id, 0);
        break;
    case kObjectTag: on_object(item, next, end); break;
    case kCommentTag:
        ctx_.outline.add_note(id, end, NoteKind::Comment);  // listed at the end, not in the text
        break;
    case kSlideNotesTag:
        close_paragraph(next);
        ctx_.writer.slide_notes(plain_text_between(ctx_.chunker, next, end, kLongestNotes, '\n'));
        break;
    case kRunningTag:  // beside the flow: the paragraph in hand goes on
        ctx_.writer.running_text({item.data1 == kRunningFooter, item.data2,
                                  plain_text_between(ctx_.chunker, next, end, kLongestNotes, '\n')});
        break;
    default: break;
    }
}

void Flow::on_object(const CHItem &item, uint32_t next, uint32_t end) {
    open_paragraph();
    ctx_.writer.object(object_of_tag(ctx_.chunker, ctx_.pictures, item, next, end));
}

uint32_t Flow::on_change(const CHItem &item, uint32_t id, uint32_t next, uint32_t last) {
    uint32_t go_on = next;
    if (uint32_t rc =
            CUGatherChangeInfo(ctx_.sheet, &ctx_.para, &ctx_.text, &ctx_.cell, item, &go_on, last, ctx_.chunker)) {
        ctx_.progress.warn(rc);
        return next;
    }
    return go_on > id ? go_on : next;
}

uint32_t Flow::on_table(uint32_t id, uint32_t next, uint32_t last) {
    close_paragraph(id);
    uint32_t after = next;
    if (depth_ + 1 > kMaxTableDepth) {
        uint32_t end = CUFindTableEndId(id, ctx_.chunker);
        return end == CH_NO_ITEM ? CH_NO_ITEM : end;  // the table end is passed by the loop
    }
    if (uint32_t rc = walk_table(ctx_, id, last, depth_ + 1, after)) ctx_.progress.warn(rc);
    paragraph_first_ = after;
    return after;
}

uint32_t Flow::on_data_value(const CHItem &item, uint32_t next) {
    write_run(ctx_.numbers.show(item, kGeneralFormatKey));
    return next;
}

void Flow::write_run(std::string_view utf8) {
    open_paragraph();
    // A style resets the whole record: what it cleared carries no flag.
    const bool reset = ctx_.text.ChangeFlags & CU_TEXT_CHANGED_STYLE;
    if (!format_known_ || reset || CUOptimizeTextChangeFlags(&written_, &ctx_.text) != 0) {
        format_ = text_format_of(ctx_.text);
        written_ = ctx_.text;
        written_.ChangeFlags = 0;
        format_known_ = true;
    }
    ctx_.text.ChangeFlags = 0;
    if (in_title_) ctx_.title += utf8;
    if (ctx_.slide_titling) ctx_.slides.back().text += utf8;
    ctx_.writer.text(utf8, format_);
}

void Flow::open_paragraph() {
    if (open_) return;
    ParaFormat format;
    if (paragraph_first_ == CH_NO_ITEM) paragraph_first_ = 0;
    apply_paragraph_layout(ctx_.para, format);
    classify_paragraph(ctx_.sheet, ctx_.para, format);
    // A numbered heading stays a heading, with its number in front.
    const ParaFormat heading = format;
    if (ctx_.lists.describe(ctx_.sheet, ctx_.para, paragraph_first_, format) && heading.kind != ParaKind::Body) {
        format.kind = heading.kind;
        format.heading_level = heading.heading_level;
        format.list_level = 0;
    }
    format.style = ctx_.style_names.name_of(ctx_.sheet, ctx_.para);
    if (format.kind == ParaKind::Heading && depth_ == 0) {
        format.anchor = heading_anchor(paragraph_first_);
        ctx_.outline.add_heading(paragraph_first_, format.heading_level);
        start_slide_title();
    }
    in_title_ = format.kind == ParaKind::Title;
    if (in_title_ && !ctx_.title.empty()) ctx_.title += ' ';
    ctx_.writer.begin_paragraph(format);
    open_ = true;
}

// The first heading of a slide is its title; the table of contents lists
// the slide by it.
void Flow::start_slide_title() {
    if (!ctx_.slide_open || ctx_.slides.empty()) return;
    ctx_.slide_open = false;
    ctx_.slide_titling = true;
    ctx_.slides.back().text += ": ";
}

void Flow::close_paragraph(uint32_t next) {
    if (open_) {
        ctx_.writer.end_paragraph();
        if (depth_ == 0) ctx_.outline.end_paragraph(next);
        open_ = false;
        in_title_ = false;
        ctx_.slide_titling = false;
    }
    clear_paragraph_record(ctx_.para);
}

}  // namespace qrv::filters
