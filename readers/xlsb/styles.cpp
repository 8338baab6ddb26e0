#include "styles.hpp"

#include <iterator>

#include "writer/utf16.hpp"
#include "xls/xf_codes.hpp"
#include "colour.hpp"
#include "record_stream.hpp"
#include "record_types.hpp"
#include "wide_string.hpp"

namespace qrv::import::xlsb {
namespace {

// A fill of this pattern kind is a gradient; its first stop gives its colour.
constexpr uint32_t kGradientFill = 0x28;

class StyleRecords {
public:
    explicit StyleRecords(const xlsx::Theme &theme) : theme_(theme) {}
    xlsx::StyleTables tables;

    void take(const Record &r, Cursor &in) {
        switch (r.type) {
        case brt::kNumberFormat: number_format(in); break;
        case brt::kFont: font(in); break;
        case brt::kFill: fill(in); break;
        case brt::kBorder: border(in); break;
        case brt::kBeginCellXfs: in_cell_xfs_ = true; break;
        case brt::kEndCellXfs: in_cell_xfs_ = false; break;
        case brt::kXf:
            if (in_cell_xfs_) xf(in);
            break;
        default: break;
        }
    }

private:
    void number_format(Cursor &in) {
        const uint16_t id = in.u16();
        tables.codes[id] = wide_string_utf8(in);
    }

    // Height in twips, then italic and strike-through switches, weight,
    // super- or subscript, underline, family and character set, colour and
    // scheme, and the name.
    void font(Cursor &in) {
        xlsx::FontSpec f;
        f.size = in.u16() / 10;
        const uint16_t switches = in.u16();
        f.italic = switches & 0x02;
        f.strike = switches & 0x08;
        f.bold = in.u16() >= 600;
        const uint16_t script = in.u16();
        f.superscript = script == 1;
        f.subscript = script == 2;
        f.underline = in.u8() != 0;
        in.skip(3);
        f.colour = read_font_colour(in, theme_);
        in.skip(1);
        f.name = wide_string_utf8(in);
        tables.fonts.push_back(std::move(f));
    }

    // The pattern and its two colours, then a gradient's geometry and stops.
    void fill(Cursor &in) {
        const uint32_t pattern = in.u32();
        const uint32_t foreground = read_colour(in, theme_), background = read_colour(in, theme_);
        uint32_t colour = model::kNoFill;
        if (pattern == kGradientFill) {
            in.skip(4 + 5 * 8);
            if (in.u32() > 0) colour = read_colour(in, theme_);
        } else if (pattern < std::size(xls::kPatternDensity) && pattern > 0) {
            colour = pattern_colour(foreground == xlsx::Theme::kNoColour ? 0x000000 : foreground,
                                    background == xlsx::Theme::kNoColour ? 0xFFFFFF : background,
                                    xls::kPatternDensity[pattern]);
        }
        tables.fills.push_back(colour == xlsx::Theme::kNoColour ? model::kNoFill : colour);
    }

    // The diagonal switches, then top, bottom, left and right lines (the
    // diagonal follows): each a line kind, a spare byte and a colour.
    void border(Cursor &in) {
        static constexpr int kSides[] = {model::kSideTop, model::kSideBottom, model::kSideLeft, model::kSideRight};
        std::array<CellBorder, model::kSideCount> sides{};
        in.skip(1);
        for (int side : kSides) {
            const uint8_t line = xls::line_of_kind(in.u8());
            in.skip(1);
            const uint32_t colour = read_colour(in, theme_);
            if (line != model::kBorderNone) sides[side] = {line, colour};
        }
        tables.borders.push_back(sides);
    }

    // Parent, number format, font, fill and border indexes, rotation and
    // indent, then the alignment bits.
    void xf(Cursor &in) {
        xlsx::XfSpec spec;
        in.skip(2);
        spec.format_id = in.u16();
        spec.font = in.u16();
        spec.fill = in.u16();
        spec.border = in.u16();
        in.skip(2);
        const uint16_t alignment = in.u16();
        spec.align = xls::align_of_code(alignment & 0x07);
        spec.vertical = xls::vertical_of_code(alignment >> 3 & 0x07);
        spec.wraps = alignment & 0x40;
        tables.xfs.push_back(spec);
    }

    const xlsx::Theme &theme_;
    bool in_cell_xfs_ = false;
};

}  // namespace

BinaryStyles read_styles(Package &package, const std::string &part, const xlsx::Theme &theme,
                         NumberFormatTable &numbers, xlsx::Fonts &fonts) {
    StyleRecords records(theme);
    if (!part.empty() && package.has(part))
        read_records(package, part, [&records](const Record &r, Cursor &in) { records.take(r, in); });
    BinaryStyles out{xlsx::Styles::build(records.tables, numbers, fonts, package.diagnostics()), records.tables.fonts};
    return out;
}

}  // namespace qrv::import::xlsb
