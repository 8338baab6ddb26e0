// The colours of a workbook's theme (the theme part's colour scheme), as
// cells name them by index: light 1, dark 1, light 2, dark 2, the six
// accents, then the two link colours.  A colour may be lightened or
// darkened by a tint.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "package/default_theme.hpp"
#include "package/package.hpp"

namespace qrv::import::xlsx {

class Theme {
public:
    static constexpr size_t kColours = kDefaultThemeColours.size();
    static constexpr uint32_t kNoColour = 0xffffffffu;

    Theme();  // the colours of the default theme
    // The colour of an index, kNoColour out of range.
    uint32_t colour(uint32_t index) const { return index < kColours ? colours_[index] : kNoColour; }
    // Reads the theme part (none or broken: the default theme's colours).
    static Theme read(Package &package, const std::string &part);

private:
    std::array<uint32_t, kColours> colours_;
    friend class ThemeReader;
};

// A colour lightened (tint above 0, towards white) or darkened (below 0)
// by changing its luminance as spreadsheet programs do.
uint32_t tinted(uint32_t rgb, double tint);

}  // namespace qrv::import::xlsx
