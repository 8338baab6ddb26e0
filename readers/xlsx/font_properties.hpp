// The character properties of a font in the styles part (<font>) and of a
// run of rich text (<rPr>): the same child elements, read by one table.
#pragma once

#include <cstdint>
#include <string>

#include "package/xml_reader.hpp"
#include "theme.hpp"

namespace qrv::import::xlsx {

struct FontSpec {
    bool bold = false, italic = false, underline = false, strike = false;
    bool superscript = false, subscript = false;
    std::string name;   // UTF-8, "" when not given
    uint32_t size = 0;  // half-points, 0 when not given
    uint32_t colour = kNoColour;
    static constexpr uint32_t kNoColour = 0xffffffffu;
};

// Applies a child element of <font> or <rPr>; false when it is none of them.
bool apply_font_property(const XmlName &name, const XmlAttributes &attributes, FontSpec &font);

// The colour of a <color> (or <fgColor>, <bgColor>) element as 0x00RRGGBB:
// rgb, a palette index, or a theme colour, with its tint; kNoColour for the
// automatic colour.
uint32_t colour_of(const XmlAttributes &attributes, const Theme &theme);
// The same for a font, whose theme colour dark 1 is the text's own
// (automatic) colour.  Fonts read by apply_font_property take the default
// theme's colours.
uint32_t font_colour_of(const XmlAttributes &attributes, const Theme &theme);

}  // namespace qrv::import::xlsx
