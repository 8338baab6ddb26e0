#include "char_format.hpp"

#include <cmath>

#include "attribute_handlers.hpp"
#include "attribute_values.hpp"
#include "core/named_values.hpp"
#include "text_properties.hpp"

namespace qrv::import::odf {
namespace {

textdoc::VerticalAlign vertical_of(int8_t shift) {
    using textdoc::VerticalAlign;
    return shift > 0 ? VerticalAlign::Superscript : shift < 0 ? VerticalAlign::Subscript : VerticalAlign::Baseline;
}

// A size in percent of the parent's ("130%").
std::optional<uint32_t> percent_of(std::string_view size) {
    if (!size.ends_with('%')) return std::nullopt;
    const auto percent = number_of(size.substr(0, size.size() - 1));
    if (!percent || *percent < 1 || *percent > 1000) return std::nullopt;
    return static_cast<uint32_t>(std::lround(*percent));
}

// The pieces of an underline or a line through, which come as separate
// attributes.
struct LineParts {
    std::string_view style, type, width, mode;
    bool given = false;
};

constexpr Named<textdoc::Underline> kUnderlineStyles[] = {
    {"solid", textdoc::Underline::Single},     {"dotted", textdoc::Underline::Dotted},
    {"dash", textdoc::Underline::Dashed},      {"long-dash", textdoc::Underline::Dashed},
    {"dot-dash", textdoc::Underline::DotDash}, {"dot-dot-dash", textdoc::Underline::DotDash},
    {"wave", textdoc::Underline::Wave},
};

textdoc::Underline underline_of(const LineParts &u) {
    if (u.style == "none" || u.type == "none") return textdoc::Underline::None;
    if (u.type == "double") return textdoc::Underline::Double;
    if (u.width == "bold" || u.width == "thick") return textdoc::Underline::Thick;
    const textdoc::Underline kind = value_named(kUnderlineStyles, u.style).value_or(textdoc::Underline::Single);
    return kind == textdoc::Underline::Single && u.mode == "skip-white-space" ? textdoc::Underline::Words : kind;
}

// A line through: double, single, or none.
void set_line_through(const LineParts &l, textdoc::CharFormat &c) {
    const bool none = l.style == "none" || l.type == "none";
    c.double_strike = !none && l.type == "double";
    c.strike = !none && !*c.double_strike;
}

struct TextLines {
    LineParts under, through;
};

// What the text document takes beyond the properties every OpenDocument
// reader shares: the kind of a line, sizes in percent, highlighting,
// capitals and hidden text.
const AttributeHandler<textdoc::CharFormat, TextLines> kTextAttributes[] = {
    {Ns::Style, "text-underline-style",
     [](std::string_view v, textdoc::CharFormat &, TextLines &l) { l.under.style = v, l.under.given = true; }},
    {Ns::Style, "text-underline-type",
     [](std::string_view v, textdoc::CharFormat &, TextLines &l) { l.under.type = v, l.under.given = true; }},
    {Ns::Style, "text-underline-width",
     [](std::string_view v, textdoc::CharFormat &, TextLines &l) { l.under.width = v; }},
    {Ns::Style, "text-underline-mode",
     [](std::string_view v, textdoc::CharFormat &, TextLines &l) { l.under.mode = v; }},
    {Ns::Style, "text-line-through-style",
     [](std::string_view v, textdoc::CharFormat &, TextLines &l) { l.through.style = v, l.through.given = true; }},
    {Ns::Style, "text-line-through-type",
     [](std::string_view v, textdoc::CharFormat &, TextLines &l) { l.through.type = v, l.through.given = true; }},
    {Ns::Fo, "font-size",
     [](std::string_view v, textdoc::CharFormat &c, TextLines &) {
         if (auto percent = percent_of(v)) c.size_percent = percent;
     }},
    {Ns::Style, "use-window-font-color",
     [](std::string_view v, textdoc::CharFormat &c, TextLines &) {
         if (v == "true") c.colour = textdoc::CharFormat::kAutoColour;
     }},
    {Ns::Fo, "background-color",
     [](std::string_view v, textdoc::CharFormat &c, TextLines &) {
         if (v == "transparent")
             c.highlight = textdoc::CharFormat::kNoHighlight;
         else if (auto colour = colour_of(v))
             c.highlight = colour;
     }},
    {Ns::Fo, "font-variant",
     [](std::string_view v, textdoc::CharFormat &c, TextLines &) { c.small_caps = v == "small-caps"; }},
    {Ns::Fo, "text-transform",
     [](std::string_view v, textdoc::CharFormat &c, TextLines &) { c.caps = v == "uppercase"; }},
    {Ns::Text, "display", [](std::string_view v, textdoc::CharFormat &c, TextLines &) { c.hidden = v == "none"; }},
};

// The properties every OpenDocument reader shares, as the text document's.
void set_shared_properties(const TextProperties &text, const FontFaces &faces, textdoc::CharFormat &c) {
    if (text.bold) c.bold = text.bold;
    if (text.italic) c.italic = text.italic;
    if (text.position) c.vertical = vertical_of(*text.position);
    if (text.font_face)
        c.font = family_of_face(faces, *text.font_face);
    else if (text.font_family && !c.font)
        c.font = first_font_family(*text.font_family);
    if (text.size) c.size = text.size;
    if (text.colour) c.colour = text.colour;
}

}  // namespace

void read_text_properties(const XmlAttributes &a, const FontFaces &faces, textdoc::CharFormat &chars) {
    TextProperties shared;
    read_text_properties(a, shared);
    set_shared_properties(shared, faces, chars);
    TextLines lines;
    apply_known_attributes(kTextAttributes, a, chars, lines);
    if (lines.under.given) chars.underline = underline_of(lines.under);
    if (lines.through.given) set_line_through(lines.through, chars);
}

}  // namespace qrv::import::odf
