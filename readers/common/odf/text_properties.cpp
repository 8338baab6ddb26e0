#include "text_properties.hpp"

#include "attribute_handlers.hpp"
#include "attribute_values.hpp"
#include "inherited_value.hpp"

namespace qrv::import::odf {
namespace {

const AttributeHandler<TextProperties> kAttributes[] = {
    {Ns::Fo, "font-weight", [](std::string_view v, TextProperties &p) { p.bold = is_bold_weight(v); }},
    {Ns::Fo, "font-style", [](std::string_view v, TextProperties &p) { p.italic = v == "italic" || v == "oblique"; }},
    {Ns::Style, "text-underline-style", [](std::string_view v, TextProperties &p) { p.underline = v != "none"; }},
    {Ns::Style, "text-line-through-style", [](std::string_view v, TextProperties &p) { p.strike = v != "none"; }},
    {Ns::Style, "text-position", [](std::string_view v, TextProperties &p) { p.position = text_position_of(v); }},
    {Ns::Style, "font-name", [](std::string_view v, TextProperties &p) { p.font_face = std::string(v); }},
    {Ns::Fo, "font-family", [](std::string_view v, TextProperties &p) { p.font_family = std::string(v); }},
    {Ns::Fo, "font-size",
     [](std::string_view v, TextProperties &p) {
         if (auto size = half_points_of(v)) p.size = size;
     }},
    {Ns::Fo, "color",
     [](std::string_view v, TextProperties &p) {
         if (auto colour = colour_of(v)) p.colour = colour;
     }},
};

}  // namespace

void TextProperties::fill_from(const TextProperties &parent) {
    inherit_unset(bold, parent.bold);
    inherit_unset(italic, parent.italic);
    inherit_unset(underline, parent.underline);
    inherit_unset(strike, parent.strike);
    inherit_unset(position, parent.position);
    if (!font_face && !font_family) font_face = parent.font_face, font_family = parent.font_family;
    inherit_unset(size, parent.size);
    inherit_unset(colour, parent.colour);
}

void read_text_properties(const XmlAttributes &attributes, TextProperties &props) {
    apply_known_attributes(kAttributes, attributes, props);
}

}  // namespace qrv::import::odf
