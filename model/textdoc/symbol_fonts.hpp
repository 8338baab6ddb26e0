// Characters of the symbol fonts (Symbol, Wingdings) that documents use for
// bullets and inserted symbols, as the Unicode characters they show.  These
// fonts put their glyphs at byte codes (or at U+F0xx), not at the Unicode
// characters they draw.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qrv::import::textdoc {

// The character that code shows in font; code itself for a font that is no
// symbol font, and U+FFFD for a symbol font's code this table lacks.
char32_t unicode_of_symbol(std::string_view font, char32_t code);

// True for the fonts unicode_of_symbol maps.
bool is_symbol_font(std::string_view font);

// The bullet a list level's text shows in font: the characters a symbol
// font draws, and the white bullet the letter o stands for.  A symbol
// font's code the tables lack, a font's own private character (U+E000 to
// U+F8FF) and a blank text are the usual bullet of the level's depth.
std::string shown_bullet(std::string_view text, std::string_view font, size_t level);

}  // namespace qrv::import::textdoc
