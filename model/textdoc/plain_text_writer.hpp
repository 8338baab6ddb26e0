// Writes the words of a note's or a comment's body inside its tag: text
// runs, with a paragraph break between paragraphs (and table cells) and a
// line break where the body has one.  Formatting, and anything nested
// (notes in notes, text boxes), is left out.
#pragma once

#include "writer/document_writer.hpp"
#include "recording.hpp"

namespace qrv::import::textdoc {

void write_plain_text(DocumentWriter &out, const Recording &body);

}  // namespace qrv::import::textdoc
