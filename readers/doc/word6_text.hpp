// The text of a Word 6 or Word 95 document: 8-bit characters in the main
// stream, in the code page of the document's language (or the Macintosh
// character set), one piece from the start of the text when the file was
// saved in full, else as the piece table of the main stream places them.
// A double-byte code page may give fewer characters than positions; the
// text is what the main text's positions hold, decoded.
#pragma once

#include <cstdint>
#include <span>

#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "piece_table.hpp"

namespace qrv::import::doc {

// The code page of the 8-bit text of a document written in language (a
// Windows LCID): Windows-1252 for the languages of Western Europe and for
// those not known.
uint16_t code_page_of_language(uint16_t language);

// The main text; pieces beyond the stream are left out with a warning.
DocText word6_text(std::span<const uint8_t> stream, const Fib &fib, Diagnostics &diagnostics);

}  // namespace qrv::import::doc
