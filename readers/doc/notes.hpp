// Footnotes and endnotes: a table of the references' character positions
// in the main text, and a table of where each note's text lies in its own
// story.  A reference maps to the range of its note's text.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <utility>

#include "textdoc/text_sink.hpp"
#include "fib.hpp"

namespace qrv::import::doc {

struct NoteRange {
    textdoc::NoteKind kind = textdoc::NoteKind::Footnote;
    uint32_t start = 0, end = 0;  // document character positions
};

class Notes {
public:
    // Reads the footnote and endnote tables; tables beyond the stream are
    // passed over.
    Notes(std::span<const uint8_t> table, const Fib &fib);

    // The note whose reference is at position cp, or null.
    const NoteRange *at(uint32_t cp) const;

private:
    void read(std::span<const uint8_t> table, const Fib &fib, Span refs, Span texts, Story story,
              textdoc::NoteKind kind);

    std::map<uint32_t, NoteRange> notes_;
};

}  // namespace qrv::import::doc
