#include "cell_looks.hpp"

#include <iterator>
#include <map>

#include "core/legacy_palette.hpp"
#include "xf_codes.hpp"

namespace qrv::import::xls {
namespace {

uint32_t colour_of(const Globals &book, uint16_t index) {
    if (index < 8) return kLegacyPalette[index];
    if (index < 64) return book.palette[index - 8];
    return CharFormat::kNoColour;  // automatic, or the window's colours
}

// A font differs from the workbook's first font only where it says so:
// ordinary cells carry no font items.
uint32_t format_of(const Globals &book, const FontRecord &f, FontTable &fonts, CharFormatTable &formats) {
    const FontRecord &base = book.fonts.front();
    CharFormat c = switches_of(f);
    if (f.name != base.name) c.font = fonts.id_of(f.name);
    if (f.half_points != base.half_points) c.size = f.half_points;
    if (f.colour != base.colour) c.colour = colour_of(book, f.colour);
    return formats.number_of(c);
}

// A palette index as a colour; the window's text is black, its background white.
uint32_t pattern_rgb(const Globals &book, uint8_t index, uint32_t window) {
    const uint32_t rgb = colour_of(book, index);
    return rgb == CharFormat::kNoColour ? window : rgb;
}

CellFrame frame_of(const Globals &book, const XfRecord &xf) {
    CellFrame frame;
    frame.vertical = xf.vertical;
    frame.wraps = xf.wraps;
    if (xf.pattern < std::size(kPatternDensity))
        frame.fill = pattern_colour(pattern_rgb(book, xf.pattern_colour, 0x000000),
                                    pattern_rgb(book, xf.background_colour, 0xFFFFFF), kPatternDensity[xf.pattern]);
    for (size_t side = 0; side < frame.borders.size(); ++side) {
        const XfBorder &b = xf.borders[side];
        if (b.line == 0 || b.line >= std::size(kLineOfKind)) continue;
        frame.borders[side] = {kLineOfKind[b.line], colour_of(book, b.colour)};
    }
    return frame;
}

}  // namespace

CellLooks::CellLooks(const Globals &book, NumberFormatTable &numbers, FontTable &fonts, CharFormatTable &formats) {
    std::vector<uint32_t> font_formats;
    for (const FontRecord &f : book.fonts) font_formats.push_back(format_of(book, f, fonts, formats));
    std::map<uint16_t, uint32_t> keys;  // format id -> key
    for (const XfRecord &xf : book.xfs) {
        auto key = keys.find(xf.format);
        if (key == keys.end()) {
            const auto code = book.formats.find(xf.format);
            key = keys.emplace(xf.format, code != book.formats.end() ? numbers.key_of_code(code->second)
                                                                      : numbers.key_of_builtin(xf.format))
                      .first;
        }
        // Font 4 is never written: later fonts are numbered one higher.
        const uint32_t font = xf.font < 4 ? xf.font : xf.font - 1u;
        CellLook look;
        look.format_key = key->second;
        look.char_format = font < font_formats.size() ? font_formats[font] : 0;
        look.align = xf.align;
        look.frame = frame_of(book, xf);
        looks_.push_back(look);
    }
}

}  // namespace qrv::import::xls
