// The colours of the default Office theme, in the order spreadsheet cells
// name them by index: light 1, dark 1, light 2, dark 2, the six accents,
// then the two link colours.  Parts that name a theme colour without a
// theme to read take these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qrv::import {

inline constexpr std::array<uint32_t, 12> kDefaultThemeColours = {
    0xFFFFFF, 0x000000, 0xE7E6E6, 0x44546A, 0x4472C4, 0xED7D31, 0xA5A5A5, 0xFFC000, 0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72};
inline constexpr size_t kFirstAccent = 4;  // accent 1; six accents follow it

}  // namespace qrv::import
