#include "text_properties.hpp"

#include "attribute_handlers.hpp"
#include "attribute_values.hpp"

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

template <typename T>
void fill(std::optional<T> &field, const std::optional<T> &parent) {
    if (!field) field = parent;
}

}  // namespace

void TextProperties::fill_from(const TextProperties &parent) {
    fill(bold, parent.bold);
    fill(italic, parent.italic);
    fill(underline, parent.underline);
    fill(strike, parent.strike);
    fill(position, parent.position);
    if (!font_face && !font_family) font_face = parent.font_face, font_family = parent.font_family;
    fill(size, parent.size);
    fill(colour, parent.colour);
}

void read_text_properties(const XmlAttributes &attributes, TextProperties &props) {
    apply_known_attributes(kAttributes, attributes, props);
}

}  // namespace qrv::import::odf
