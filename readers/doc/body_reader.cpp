#include "body_reader.hpp"

#include <algorithm>

#include "writer/utf16.hpp"
#include "picture_header.hpp"
#include "picture_records.hpp"
#include "style_sheet.hpp"
#include "text_marks.hpp"

namespace qrv::import::doc {
namespace {

bool ends_paragraph(char16_t c) { return c == kParagraphMark || c == kCellMark; }

// The file of the picture whose header lies at offset, kept once however
// often it is placed; "" for none.
std::string keep_inline_picture(const PictureHeader &header, uint32_t offset, PictureStore &pictures) {
    const auto file = picture_of_records(header.records);
    if (!file) return "";
    const std::string source = "image" + std::to_string(offset) + "." + std::string(file->extension);
    return pictures.keep(source, file->media_type, [&] { return std::string(file->bytes.begin(), file->bytes.end()); });
}

}  // namespace

BodyReader::BodyReader(const DocContent &content, textdoc::TextSink &sink, bool aside)
    : content_(content), out_(sink), aside_(aside) {}

void BodyReader::read(uint32_t from, uint32_t to) {
    to = std::min<uint32_t>(to, static_cast<uint32_t>(content_.text.chars.size()));
    row_ends_.emplace(content_.text, content_.paragraphs, from, to);
    if (row_ends_->cut())
        content_.diagnostics.warn("tab stops or table cells of a paragraph are cut short; those read are kept");
    out_.set_level_rows(&level_rows_);
    next_bookmark_ = aside_ ? content_.bookmarks.starts().size() : content_.bookmarks.first_from(from);
    for (uint32_t cp = from; cp < to; ++cp) {
        if (!paragraph_known_) take_paragraph(cp, to);
        bookmarks_to(cp);
        character(cp);
    }
    flush();
    out_.finish();
}

// The properties of the paragraph that starts at cp: those of the mark
// that ends it.
void BodyReader::take_paragraph(uint32_t cp, uint32_t to) {
    const auto &chars = content_.text.chars;
    uint32_t end = cp;
    while (end < to && !ends_paragraph(chars[end])) ++end;
    paragraph_end_ = end;
    paragraph_known_ = true;
    para_ = end < to ? paragraph_at(content_.text, content_.paragraphs, end) : ParaProps{};
    const uint16_t style = para_.style.value_or(0);
    state_.paragraph_style = style;
    state_.para = para_.format;
    state_.nesting = static_cast<int32_t>(std::min<uint32_t>(para_.table_depth(), rtf::BodyOutput::kMaxNesting));
    take_rows(cp, static_cast<size_t>(state_.nesting));
    state_.list_override = content_.lists && para_.list && *para_.list ? *para_.list : -1;
    state_.list_level = para_.level.value_or(0);
}

void BodyReader::take_rows(uint32_t cp, size_t depth) {
    level_rows_.resize(depth);
    for (size_t level = 1; level <= depth; ++level) level_rows_[level - 1] = row_ends_->row(level, cp);
}

const rtf::RowDefinition &BodyReader::row_at(size_t level) const {
    static const rtf::RowDefinition kNone;
    return level >= 1 && level <= level_rows_.size() && level_rows_[level - 1] ? *level_rows_[level - 1] : kNone;
}

void BodyReader::take_run(uint32_t cp) {
    const uint32_t offset = content_.text.offsets[cp];
    const std::span<const uint8_t> piece = content_.text.changes_at(cp);
    if (run_known_ && piece.data() == piece_changes_.data() &&
        (run_ ? offset >= run_->start && offset < run_->end : !content_.chars.find(offset)))
        return;
    flush();
    run_ = content_.chars.find(offset);
    run_known_ = true;
    piece_changes_ = piece;
    chars_ = {};
    if (run_) apply_character_changes(run_->changes, chars_);
    apply_character_changes(piece, chars_);
    content_.fonts.name_font(chars_);
    state_.chars = chars_.format;
    state_.character_style = chars_.style && *chars_.style != 10 ? *chars_.style : -1;
}

void BodyReader::bookmarks_to(uint32_t cp) {
    const auto &starts = content_.bookmarks.starts();
    if (next_bookmark_ >= starts.size() || starts[next_bookmark_].cp > cp) return;
    flush();
    for (; next_bookmark_ < starts.size() && starts[next_bookmark_].cp <= cp; ++next_bookmark_)
        out_.bookmark(starts[next_bookmark_].name, state_);
}

void BodyReader::flush() {
    if (pending_.empty()) return;
    out_.text(pending_, state_);
    pending_.clear();
}

void BodyReader::character(uint32_t cp) {
    const char16_t c = content_.text.chars[cp];
    take_run(cp);
    if (c == kSymbol && chars_.special && chars_.symbol && showing()) {
        shown(*chars_.symbol);
        return;
    }
    if (c >= 0x20 || c == kTab) {
        if (!showing()) {
            std::string piece;
            append_utf8(c, piece);
            fields_.instruction(piece);
        } else if (!chars_.field_hidden && !chars_.deleted) {
            shown(c);
        }
        return;
    }
    flush();
    special(c, cp);
}

// A character of the text; a surrogate pair is joined.
void BodyReader::shown(char16_t c) {
    if (c >= 0xD800 && c < 0xDC00) {
        high_surrogate_ = c;
        return;
    }
    if (c >= 0xDC00 && c < 0xE000 && high_surrogate_) {
        append_utf8(0x10000 + ((char32_t{high_surrogate_} - 0xD800) << 10) + (c - 0xDC00), pending_);
    } else {
        append_utf8(c, pending_);
    }
    high_surrogate_ = 0;
}

void BodyReader::special(char16_t c, uint32_t cp) {
    switch (c) {
    case kFieldBegin:
    case kFieldSeparator:
    case kFieldEnd: field_mark(c); return;
    default: break;
    }
    if (ends_paragraph(c)) {
        mark(c);
        return;
    }
    if (!showing()) return;
    switch (c) {
    case kLineBreak: out_.line_break(state_); break;
    case kPageBreak: out_.page_break(state_); break;
    case kNonBreakingHyphen: out_.text("\u2011", state_); break;
    case kNoteReference:
        if (chars_.special && !aside_) note_reference(cp);
        break;
    case kCommentReference:
        if (!aside_) comment_reference(cp);
        break;
    case kDrawnObject:
        if (text_boxes(cp)) break;
        [[fallthrough]];
    case kPicture:
        if (chars_.special) out_.object(object_at(c, cp), state_);
        break;
    default: break;  // other control characters show nothing (kOptionalHyphen among them)
    }
}

void BodyReader::mark(char16_t c) {
    paragraph_known_ = false;
    fields_.end_paragraph();
    const size_t depth = static_cast<size_t>(state_.nesting);
    const rtf::RowDefinition &row = row_at(depth);
    if (c == kCellMark && depth > 0) {
        if (para_.row_end)
            out_.end_row(depth, state_, row);
        else
            out_.end_cell(depth, state_, row);
    } else if (depth > 1 && para_.inner_row_end) {
        out_.end_row(depth, state_, row);
    } else if (depth > 1 && para_.inner_cell) {
        out_.end_cell(depth, state_, row);
    } else if (!para_.drop_cap || depth > 0) {
        out_.end_paragraph(state_);
    }
}

void BodyReader::field_mark(char16_t c) {
    if (c == kFieldBegin) {
        fields_.begin();
    } else if (c == kFieldSeparator) {
        if (auto target = fields_.separate()) out_.begin_link(*target, state_);
    } else if (fields_.end()) {
        out_.end_link();
    }
}

void BodyReader::note_reference(uint32_t cp) {
    if (const NoteRange *note = content_.notes.at(cp))
        out_.note(note->kind, read_aside(content_, {note->start, note->end}), state_);
}

void BodyReader::comment_reference(uint32_t cp) {
    if (const Comment *comment = content_.comments.at(cp))
        out_.comment(comment->author, read_aside(content_, comment->text), state_);
}

bool BodyReader::text_boxes(uint32_t cp) {
    if (aside_) return false;
    bool written = false;
    for (const StoryRange &box : content_.text_boxes.anchored_at(cp)) {
        const textdoc::Recording content = read_aside(content_, box);
        if (!content.has_text()) continue;
        out_.frame(content, state_);
        written = true;
    }
    return written;
}

// A size with a side unknown is no size.
textdoc::ObjectRef BodyReader::object_at(char16_t c, uint32_t cp) const {
    auto object = textdoc::ObjectRef::of(c == kPicture ? textdoc::ObjectKind::Picture : textdoc::ObjectKind::Other);
    uint32_t width = 0, height = 0;
    if (c == kPicture && chars_.picture) {
        if (const auto header = picture_header(content_.data, *chars_.picture)) {
            width = header->width_pt, height = header->height_pt;
            object.resource = keep_inline_picture(*header, *chars_.picture, content_.pictures);
        }
    } else if (const Shape *shape = content_.shapes.anchored_at(cp)) {
        width = shape->width_pt, height = shape->height_pt;
    }
    if (width && height) object.width_pt = width, object.height_pt = height;
    return object;
}

textdoc::Recording read_aside(const DocContent &content, StoryRange story) {
    textdoc::Recording body;
    BodyReader(content, body, true).read(story.start, story.end);
    return body;
}

}  // namespace qrv::import::doc
