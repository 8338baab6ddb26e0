#include "colour.hpp"

#include "core/legacy_palette.hpp"

namespace qrv::import::xlsb {
namespace {

enum ColourKind : uint8_t { kAutomatic = 0, kIndexed = 1, kRgb = 2, kThemed = 3 };

struct BinaryColour {
    uint8_t kind, index;
    int16_t tint;  // in 32767ths
    uint32_t rgb;
};

BinaryColour binary_colour(xls::Cursor &in) {
    BinaryColour c{};
    c.kind = static_cast<uint8_t>(in.u8() >> 1);
    c.index = in.u8();
    c.tint = static_cast<int16_t>(in.u16());
    const uint32_t red = in.u8(), green = in.u8(), blue = in.u8();
    in.skip(1);  // alpha
    c.rgb = red << 16 | green << 8 | blue;
    return c;
}

uint32_t rgb_of(const BinaryColour &c, const xlsx::Theme &theme) {
    uint32_t rgb = xlsx::Theme::kNoColour;
    if (c.kind == kRgb)
        rgb = c.rgb;
    else if (c.kind == kIndexed && c.index < 64)
        rgb = kLegacyPalette[c.index];
    else if (c.kind == kThemed)
        rgb = theme.colour(c.index);
    return rgb == xlsx::Theme::kNoColour ? rgb : xlsx::tinted(rgb, c.tint / 32767.0);
}

}  // namespace

uint32_t read_colour(xls::Cursor &in, const xlsx::Theme &theme) { return rgb_of(binary_colour(in), theme); }

uint32_t read_font_colour(xls::Cursor &in, const xlsx::Theme &theme) {
    const BinaryColour c = binary_colour(in);
    if (c.kind == kThemed && c.index == 1 && c.tint == 0) return xlsx::Theme::kNoColour;
    return rgb_of(c, theme);
}

}  // namespace qrv::import::xlsb
