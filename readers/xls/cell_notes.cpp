#include "cell_notes.hpp"

#include "sheet/comment_text.hpp"
#include "writer/utf16.hpp"

#include "biff_text.hpp"

namespace qrv::import::xls {
namespace {

constexpr uint16_t kCommonData = 0x0015, kCommentObject = 0x0019;
constexpr uint16_t kContinuedNote = 0xFFFF;

}  // namespace

// The object's first part says what it is and gives its id.
void CellNotes::object(Cursor &in) {
    comment_object_ = -1;
    if (!biff8_ || in.u16() != kCommonData) return;
    in.skip(2);
    const uint16_t kind = in.u16(), id = in.u16();
    if (kind == kCommentObject) comment_object_ = id;
}

// The text is the record's first continuation, after its own bytes (18,
// or more with a formula); runs of formatting follow in the next one.
void CellNotes::text_box(Cursor &in) {
    if (comment_object_ < 0) return;
    const uint16_t id = static_cast<uint16_t>(comment_object_);
    comment_object_ = -1;
    in.skip(10);
    const size_t count = std::min<size_t>(in.u16(), kMostCommentChars);
    in.skip(in.room());
    if (count > 0 && in.at_break()) texts_[id] = read_chars(in, count, false);
}

void CellNotes::note(Cursor &in) {
    if (!biff8_) return old_note(in);
    const uint16_t row = in.u16(), column = in.u16();
    in.skip(2);
    const uint16_t id = in.u16();
    const std::u16string author = read_unicode(in);
    const auto text = texts_.find(id);
    notes_.push_back({row, column, author, text == texts_.end() ? std::u16string() : text->second});
}

void CellNotes::old_note(Cursor &in) {
    const uint16_t row = in.u16(), column = in.u16();
    const uint16_t length = in.u16();
    std::u16string part = page_.decode(in.take(std::min<size_t>(length, in.left())));
    if (row != kContinuedNote) {
        notes_.push_back({row, column, {}, std::move(part)});
    } else if (!notes_.empty() && notes_.back().text.size() < kMostCommentChars) {
        notes_.back().text += part;
    }
}

void CellNotes::finish(SheetBuilder &sheet) const {
    for (const Note &n : notes_) sheet.comment(n.row, n.column, utf8_of(n.author), comment_lines(n.text));
}

}  // namespace qrv::import::xls
