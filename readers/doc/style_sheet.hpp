// The style sheet of the table stream: a header, then one entry a style
// index (an empty slot has length 0).  Each entry gives the built-in
// style's number (1 to 9 are the headings), the kind, the style it is based
// on, the name, and the property changes of its kind.  Styles go into the
// text document under the keys the paragraphs and runs name them by.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "textdoc/text_document.hpp"
#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "fonts.hpp"

namespace qrv::import::doc {

std::string paragraph_style_key(uint16_t index);
std::string character_style_key(uint16_t index);

// Adds the styles to doc, and the document's default font from the
// header; a style sheet that lies beyond the stream is left out with a
// warning.
void read_style_sheet(std::span<const uint8_t> table, Span place, const FontTable &fonts, textdoc::TextDocument &doc,
                      Diagnostics &diagnostics);

}  // namespace qrv::import::doc
