// Characters of the symbol fonts (Symbol, Wingdings) that documents use for
// bullets and inserted symbols, as the Unicode characters they show.  These
// fonts put their glyphs at byte codes (or at U+F0xx), not at the Unicode
// characters they draw.
#pragma once

#include <string_view>

namespace qrv::import::textdoc {

// The character that code shows in font; code itself for a font that is no
// symbol font, and U+FFFD for a symbol font's code this table lacks.
char32_t unicode_of_symbol(std::string_view font, char32_t code);

// True for the fonts unicode_of_symbol maps.
bool is_symbol_font(std::string_view font);

}  // namespace qrv::import::textdoc
