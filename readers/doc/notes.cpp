#include "notes.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kReferenceData = 2;

}  // namespace

Notes::Notes(std::span<const uint8_t> table, const Fib &fib) {
    read(table, fib.table(Table::FootnoteRefs), fib.table(Table::FootnoteTexts), fib.story_start(Story::Footnotes),
         fib.story_length[static_cast<size_t>(Story::Footnotes)], textdoc::NoteKind::Footnote);
    read(table, fib.table(Table::EndnoteRefs), fib.table(Table::EndnoteTexts), fib.story_start(Story::Endnotes),
         fib.story_length[static_cast<size_t>(Story::Endnotes)], textdoc::NoteKind::Endnote);
}

void Notes::read(std::span<const uint8_t> table, Span refs, Span texts, uint32_t story_start, uint32_t story_length,
                 textdoc::NoteKind kind) {
    const auto ref = place_in(table, refs), text = place_in(table, texts);
    if (ref.size() < 4 + kReferenceData || text.size() < 8) return;
    const size_t count = std::min((ref.size() - 4) / (4 + kReferenceData), text.size() / 4 - 1);
    // Notes' texts follow each other: one that goes back is dropped, so no
    // text is read twice.
    uint32_t done = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t start = std::min(le32(text.data() + i * 4), story_length);
        const uint32_t end = std::min(le32(text.data() + (i + 1) * 4), story_length);
        if (end <= start || start < done) continue;
        done = end;
        notes_[le32(ref.data() + i * 4)] = {kind, story_start + start, story_start + end};
    }
}

const NoteRange *Notes::at(uint32_t cp) const {
    const auto it = notes_.find(cp);
    return it == notes_.end() ? nullptr : &it->second;
}

}  // namespace qrv::import::doc
