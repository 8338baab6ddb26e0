#include "notes.hpp"

#include "cfb/little_endian.hpp"
#include "stories.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kReferenceData = 2;

}  // namespace

Notes::Notes(std::span<const uint8_t> table, const Fib &fib) {
    read(table, fib, fib.table(Table::FootnoteRefs), fib.table(Table::FootnoteTexts), Story::Footnotes,
         textdoc::NoteKind::Footnote);
    read(table, fib, fib.table(Table::EndnoteRefs), fib.table(Table::EndnoteTexts), Story::Endnotes,
         textdoc::NoteKind::Endnote);
}

// A note whose text goes back is dropped, so that no text is read twice;
// the others are kept.
void Notes::read(std::span<const uint8_t> table, const Fib &fib, Span refs, Span texts, Story story,
                 textdoc::NoteKind kind) {
    const Plc references(place_in(table, refs), kReferenceData);
    const Stories bodies = stories_of(Plc(place_in(table, texts), 0), references.size(), fib, story);
    for (size_t i = 0; i < bodies.ranges.size(); ++i)
        if (!bodies.ranges[i].empty())
            notes_[references.position(i)] = {kind, bodies.ranges[i].start, bodies.ranges[i].end};
}

const NoteRange *Notes::at(uint32_t cp) const {
    const auto it = notes_.find(cp);
    return it == notes_.end() ? nullptr : &it->second;
}

}  // namespace qrv::import::doc
