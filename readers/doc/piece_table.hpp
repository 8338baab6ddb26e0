// The document's text: the piece table of the table stream maps runs of
// character positions to places in the main stream, each piece either
// 8-bit (one byte a character, Windows-1252) or UTF-16.  The text is
// gathered once with the stream offset of every character, which is what
// the formatting pages are keyed by.  A piece may carry property changes of
// its own (a fast save's last edits), applied over the pages': one change
// coded in the piece's descriptor, or a list of changes before the table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"

namespace qrv::import::doc {

struct Piece {
    uint32_t cp_start = 0, cp_end = 0;
    uint32_t fc = 0;  // stream offset of the first character
    bool compressed = false;
    std::string changes;  // property changes of the piece's characters and paragraphs
};

// The property changes of the characters [cp_start, cp_end).
struct PieceChanges {
    uint32_t cp_start = 0, cp_end = 0;
    std::string changes;
};

struct DocText {
    std::u16string chars;
    std::vector<uint32_t> offsets;      // stream offset of each character
    std::vector<PieceChanges> changes;  // of the pieces that have any, in order

    // The changes of the piece holding cp; empty for none.
    std::span<const uint8_t> changes_at(uint32_t cp) const;
};

// The pieces of the piece table at place; throws ImportError (broken) when
// the table holds none.
std::vector<Piece> read_pieces(std::span<const uint8_t> table, Span place);

// The characters of piece p below length (wanted), and how many of them
// the stream holds (held), each width bytes, after gathered characters: no
// sound document holds more characters than its stream has bytes.
struct PieceExtent {
    uint32_t wanted = 0, held = 0;
};
PieceExtent piece_extent(const Piece &p, uint32_t length, size_t stream_bytes, size_t gathered, uint32_t width);

// The warning for pieces whose characters the stream did not all hold.
void warn_short_pieces(Diagnostics &diagnostics);

// The text of characters [0, length) as the pieces give it; characters the
// pieces or the stream do not reach are left out with a warning.
DocText gather_text(std::span<const uint8_t> stream, const std::vector<Piece> &pieces, uint32_t length,
                    Diagnostics &diagnostics);

}  // namespace qrv::import::doc
