// Column widths of workbooks, given in characters of the default font.
#pragma once

#include <cmath>
#include <cstdint>

namespace qrv::import {

// Twips of a width in characters (7 pixels each at 96 dots an inch, 15
// twips a pixel); 0 for a width that is not positive or absurd.
inline uint32_t twips_of_width(double characters) {
    if (!(characters > 0) || characters > 65535) return 0;
    return static_cast<uint32_t>(std::lround(characters * 7)) * 15;
}

// The default width in characters of columns whose sheet gives only a base
// width: 5 pixels of margin, rounded up to 8 pixels.
inline double width_of_base(double base_characters) { return std::ceil((base_characters * 7 + 5) / 8) * 8 / 7; }

}  // namespace qrv::import
