// Text made safe for Markdown: a backslash before each character that a
// Markdown reader would take for syntax where it stands, and before no
// other.
#pragma once

#include <string>
#include <string_view>

namespace qrv::filters::markdown {

// Where text goes: a paragraph or list item (its lines may start blocks),
// a heading's line, or a pipe table's cell (a pipe ends the cell).
enum class TextPlace { Block, Heading, Cell };

// Appends text to out with its syntax characters escaped.  line_start says
// whether out is at the start of a line, where spaces are dropped and a
// leading "#", ">", "-", "+", "=" or "1." would begin a block; it is false
// once text has been written.
void append_escaped(std::string &out, std::string_view text, TextPlace place, bool &line_start);

// A link's destination as Markdown reads it: in angle brackets when it
// holds spaces, brackets or parentheses.
std::string link_destination(std::string_view target);

}  // namespace qrv::filters::markdown
