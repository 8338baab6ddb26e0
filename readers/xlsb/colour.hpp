// The colours of binary style records: automatic, a palette index, an RGB
// value or a theme colour, each with a tint towards white or black.
#pragma once

#include <cstdint>

#include "xls/biff_record.hpp"
#include "xlsx/theme.hpp"

namespace qrv::import::xlsb {

// Reads the eight bytes of a colour as 0x00RRGGBB, Theme::kNoColour for the
// automatic colour and the window's own colours.
uint32_t read_colour(xls::Cursor &in, const xlsx::Theme &theme);
// The same for a font, whose theme colour dark 1 without a tint is the
// text's own (automatic) colour.
uint32_t read_font_colour(xls::Cursor &in, const xlsx::Theme &theme);

}  // namespace qrv::import::xlsb
