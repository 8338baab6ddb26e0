#include "font_properties.hpp"

#include <charconv>

#include "core/legacy_palette.hpp"

namespace qrv::import::xlsx {
namespace {

bool parse_unsigned(std::string_view text, uint32_t &out, int base = 10) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return ec == std::errc() && end == text.data() + text.size();
}

// <b/>, <b val="1"/>, <b val="true"/> are on; val="0" or "false" off.
bool switched_on(const XmlAttributes &a) {
    const std::string_view v = a.get(Ns::Spreadsheet, "val", a.get(Ns::None, "val", "1"));
    return v != "0" && v != "false" && v != "none";
}

std::string_view val_of(const XmlAttributes &a) { return a.get(Ns::None, "val", a.get(Ns::Spreadsheet, "val")); }

using Apply = void (*)(const XmlAttributes &, FontSpec &);

struct Property {
    std::string_view element;
    Apply apply;
};

const Property kProperties[] = {
    {"b", [](const XmlAttributes &a, FontSpec &f) { f.bold = switched_on(a); }},
    {"i", [](const XmlAttributes &a, FontSpec &f) { f.italic = switched_on(a); }},
    {"u", [](const XmlAttributes &a, FontSpec &f) { f.underline = switched_on(a); }},
    {"strike", [](const XmlAttributes &a, FontSpec &f) { f.strike = switched_on(a); }},
    {"vertAlign",
     [](const XmlAttributes &a, FontSpec &f) {
         f.superscript = val_of(a) == "superscript";
         f.subscript = val_of(a) == "subscript";
     }},
    {"sz",
     [](const XmlAttributes &a, FontSpec &f) {
         double points = 0;
         const std::string_view v = val_of(a);
         auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), points);
         if (ec == std::errc() && points > 0 && points < 4096) f.size = static_cast<uint32_t>(points * 2 + 0.5);
     }},
    {"color",
     [](const XmlAttributes &a, FontSpec &f) {
         static const Theme kDefault;
         f.colour = font_colour_of(a, kDefault);
     }},
    {"name", [](const XmlAttributes &a, FontSpec &f) { f.name = val_of(a); }},
    {"rFont", [](const XmlAttributes &a, FontSpec &f) { f.name = val_of(a); }},
};

}  // namespace

bool apply_font_property(const XmlName &name, const XmlAttributes &attributes, FontSpec &font) {
    if (name.ns != Ns::Spreadsheet) return false;
    for (const auto &p : kProperties) {
        if (name.local != p.element) continue;
        p.apply(attributes, font);
        return true;
    }
    return false;
}

uint32_t colour_of(const XmlAttributes &a, const Theme &theme) {
    uint32_t n = 0;
    uint32_t rgb = FontSpec::kNoColour;
    const std::string_view given = a.get(Ns::None, "rgb");
    if (!given.empty()) {
        // AARRGGBB, or RRGGBB; the alpha is not kept.
        if (!parse_unsigned(given, n, 16)) return FontSpec::kNoColour;
        rgb = n & 0xFFFFFF;
    } else if (parse_unsigned(a.get(Ns::None, "indexed"), n)) {
        rgb = n < 64 ? kLegacyPalette[n] : FontSpec::kNoColour;
    } else if (parse_unsigned(a.get(Ns::None, "theme"), n)) {
        rgb = theme.colour(n);
    }
    if (rgb == FontSpec::kNoColour) return rgb;
    double tint = 0;
    const std::string_view t = a.get(Ns::None, "tint");
    std::from_chars(t.data(), t.data() + t.size(), tint);
    return tinted(rgb, tint);
}

uint32_t font_colour_of(const XmlAttributes &a, const Theme &theme) {
    uint32_t n = 0;
    if (parse_unsigned(a.get(Ns::None, "theme"), n) && n == 1 && a.get(Ns::None, "tint").empty())
        return FontSpec::kNoColour;
    return colour_of(a, theme);
}

}  // namespace qrv::import::xlsx
