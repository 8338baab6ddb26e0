// The notes of a plain-text page: after the text, an empty line, then each
// footnote and endnote as "[n] its text", n the number its reference shows
// in the text; a note's later paragraphs are indented under its first.
// Comments are left out: they are remarks on the document, not part of it.
#pragma once

#include <vector>

#include "output.hpp"
#include "writer.hpp"

namespace qrv::filters::text {

void write_end_notes(Output &out, const std::vector<Note> &notes);

}  // namespace qrv::filters::text
