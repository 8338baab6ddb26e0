#include "text_properties.hpp"

#include "attribute_values.hpp"

namespace qrv::import::odf {
namespace {

bool is_bold(std::string_view weight) {
    if (weight == "bold") return true;
    const auto number = number_of(weight);
    return number && *number >= 600;
}

// "super", "sub", or a percentage of the font's height ("33% 58%",
// "-33%"): raised text is superscript, lowered text subscript.
int8_t position_of(std::string_view position) {
    if (position.starts_with("super")) return 1;
    if (position.starts_with("sub")) return -1;
    const size_t percent = position.find('%');
    const auto shift = number_of(position.substr(0, percent));
    if (!shift || *shift == 0) return 0;
    return *shift > 0 ? 1 : -1;
}

// Half-points of "12pt" (other units through their twips); sizes in
// percent of the parent's are left to the parent.
std::optional<uint32_t> size_of(std::string_view size) {
    const auto twips = twips_of_length(size);
    if (!twips || *twips == 0 || *twips > 4096 * 20) return std::nullopt;
    return (*twips + 5) / 10;
}

using Apply = void (*)(std::string_view value, TextProperties &props);

struct Attribute {
    Ns ns;
    std::string_view local;
    Apply apply;
};

const Attribute kAttributes[] = {
    {Ns::Fo, "font-weight", [](std::string_view v, TextProperties &p) { p.bold = is_bold(v); }},
    {Ns::Fo, "font-style", [](std::string_view v, TextProperties &p) { p.italic = v == "italic" || v == "oblique"; }},
    {Ns::Style, "text-underline-style", [](std::string_view v, TextProperties &p) { p.underline = v != "none"; }},
    {Ns::Style, "text-line-through-style", [](std::string_view v, TextProperties &p) { p.strike = v != "none"; }},
    {Ns::Style, "text-position", [](std::string_view v, TextProperties &p) { p.position = position_of(v); }},
    {Ns::Style, "font-name", [](std::string_view v, TextProperties &p) { p.font_face = std::string(v); }},
    {Ns::Fo, "font-family", [](std::string_view v, TextProperties &p) { p.font_family = std::string(v); }},
    {Ns::Fo, "font-size",
     [](std::string_view v, TextProperties &p) {
         if (auto size = size_of(v)) p.size = size;
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
    for (const auto &a : attributes)
        for (const Attribute &known : kAttributes)
            if (a.name.is(known.ns, known.local)) known.apply(a.value, props);
}

}  // namespace qrv::import::odf
