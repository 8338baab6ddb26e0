#include "odt_style_properties.hpp"

#include <cmath>

#include "odf/attribute_handlers.hpp"
#include "odf/attribute_values.hpp"
#include "core/named_values.hpp"
#include "odf/text_properties.hpp"

namespace qrv::import::odf {
namespace {

using textdoc::Align;
using textdoc::CharFormat;
using textdoc::LineRule;
using textdoc::ParaFormat;
using textdoc::TabKind;
using textdoc::TabLeader;
using textdoc::Underline;

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

constexpr Named<Underline> kUnderlineStyles[] = {
    {"solid", Underline::Single},     {"dotted", Underline::Dotted},    {"dash", Underline::Dashed},
    {"long-dash", Underline::Dashed}, {"dot-dash", Underline::DotDash}, {"dot-dot-dash", Underline::DotDash},
    {"wave", Underline::Wave},
};

Underline underline_of(const LineParts &u) {
    if (u.style == "none" || u.type == "none") return Underline::None;
    if (u.type == "double") return Underline::Double;
    if (u.width == "bold" || u.width == "thick") return Underline::Thick;
    const Underline kind = value_named(kUnderlineStyles, u.style).value_or(Underline::Single);
    return kind == Underline::Single && u.mode == "skip-white-space" ? Underline::Words : kind;
}

// A line through: double, single, or none.
void set_line_through(const LineParts &l, CharFormat &c) {
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
const AttributeHandler<CharFormat, TextLines> kTextAttributes[] = {
    {Ns::Style, "text-underline-style",
     [](std::string_view v, CharFormat &, TextLines &l) { l.under.style = v, l.under.given = true; }},
    {Ns::Style, "text-underline-type",
     [](std::string_view v, CharFormat &, TextLines &l) { l.under.type = v, l.under.given = true; }},
    {Ns::Style, "text-underline-width", [](std::string_view v, CharFormat &, TextLines &l) { l.under.width = v; }},
    {Ns::Style, "text-underline-mode", [](std::string_view v, CharFormat &, TextLines &l) { l.under.mode = v; }},
    {Ns::Style, "text-line-through-style",
     [](std::string_view v, CharFormat &, TextLines &l) { l.through.style = v, l.through.given = true; }},
    {Ns::Style, "text-line-through-type",
     [](std::string_view v, CharFormat &, TextLines &l) { l.through.type = v, l.through.given = true; }},
    {Ns::Fo, "font-size",
     [](std::string_view v, CharFormat &c, TextLines &) {
         if (auto percent = percent_of(v)) c.size_percent = percent;
     }},
    {Ns::Style, "use-window-font-color",
     [](std::string_view v, CharFormat &c, TextLines &) {
         if (v == "true") c.colour = CharFormat::kAutoColour;
     }},
    {Ns::Fo, "background-color",
     [](std::string_view v, CharFormat &c, TextLines &) {
         if (v == "transparent")
             c.highlight = CharFormat::kNoHighlight;
         else if (auto colour = colour_of(v))
             c.highlight = colour;
     }},
    {Ns::Fo, "font-variant", [](std::string_view v, CharFormat &c, TextLines &) { c.small_caps = v == "small-caps"; }},
    {Ns::Fo, "text-transform", [](std::string_view v, CharFormat &c, TextLines &) { c.caps = v == "uppercase"; }},
    {Ns::Text, "display", [](std::string_view v, CharFormat &c, TextLines &) { c.hidden = v == "none"; }},
};

// The properties every OpenDocument reader shares, as the text document's.
void set_shared_properties(const TextProperties &text, const FontFaces &faces, CharFormat &c) {
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

constexpr Named<Align> kAlignments[] = {
    {"start", Align::Left}, {"left", Align::Left},   {"center", Align::Centre},
    {"end", Align::Right},  {"right", Align::Right}, {"justify", Align::Justify},
};

// "115%" of single spacing, "normal", or an exact height.
void read_line_height(std::string_view v, ParaFormat &p) {
    if (v == "normal") {
        p.line_rule = LineRule::Auto, p.line = 240;
    } else if (v.ends_with('%')) {
        if (auto percent = number_of(v.substr(0, v.size() - 1)); percent && *percent > 0 && *percent < 10000)
            p.line_rule = LineRule::Auto, p.line = static_cast<int32_t>(std::lround(*percent * 2.4));
    } else if (auto twips = signed_twips(v); twips && *twips > 0) {
        p.line_rule = LineRule::Exact, p.line = *twips;
    }
}

void set_length(std::string_view v, std::optional<int32_t> &field) {
    if (auto twips = signed_twips(v)) field = twips;
}

const AttributeHandler<ParaFormat> kParaAttributes[] = {
    {Ns::Fo, "text-align",
     [](std::string_view v, ParaFormat &p) {
         if (auto align = value_named(kAlignments, v)) p.align = align;
     }},
    {Ns::Fo, "margin",
     [](std::string_view v, ParaFormat &p) {
         for (auto *field : {&p.left, &p.right, &p.space_before, &p.space_after}) set_length(v, *field);
     }},
    {Ns::Fo, "margin-left", [](std::string_view v, ParaFormat &p) { set_length(v, p.left); }},
    {Ns::Fo, "margin-right", [](std::string_view v, ParaFormat &p) { set_length(v, p.right); }},
    {Ns::Fo, "text-indent", [](std::string_view v, ParaFormat &p) { set_length(v, p.first_line); }},
    {Ns::Fo, "margin-top", [](std::string_view v, ParaFormat &p) { set_length(v, p.space_before); }},
    {Ns::Fo, "margin-bottom", [](std::string_view v, ParaFormat &p) { set_length(v, p.space_after); }},
    {Ns::Fo, "line-height", read_line_height},
    {Ns::Style, "line-height-at-least",
     [](std::string_view v, ParaFormat &p) {
         if (auto twips = signed_twips(v); twips && *twips > 0) p.line_rule = LineRule::AtLeast, p.line = *twips;
     }},
    {Ns::Fo, "keep-with-next", [](std::string_view v, ParaFormat &p) { p.keep_next = v == "always"; }},
    {Ns::Fo, "keep-together", [](std::string_view v, ParaFormat &p) { p.keep_lines = v == "always"; }},
    {Ns::Fo, "break-before",
     [](std::string_view v, ParaFormat &p) {
         if (v != "column") p.page_break_before = v == "page";
     }},
};

constexpr Named<TabKind> kTabKinds[] = {
    {"left", TabKind::Left},
    {"center", TabKind::Centre},
    {"right", TabKind::Right},
    {"char", TabKind::Decimal},
};

constexpr Named<TabLeader> kLeaderTexts[] = {
    {".", TabLeader::Dot},
    {"-", TabLeader::Hyphen},
    {"_", TabLeader::Underscore},
    {"\u00B7", TabLeader::MiddleDot},
};

constexpr Named<TabLeader> kLeaderStyles[] = {
    {"dotted", TabLeader::Dot},
    {"dash", TabLeader::Hyphen},
    {"solid", TabLeader::Underscore},
};

}  // namespace

std::optional<int32_t> signed_twips(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const auto twips = twips_of_length(text);
    if (!twips || *twips > INT32_MAX) return std::nullopt;
    return negative ? -static_cast<int32_t>(*twips) : static_cast<int32_t>(*twips);
}

void read_text_properties(const XmlAttributes &a, const FontFaces &faces, CharFormat &chars) {
    TextProperties shared;
    read_text_properties(a, shared);
    set_shared_properties(shared, faces, chars);
    TextLines lines;
    apply_known_attributes(kTextAttributes, a, chars, lines);
    if (lines.under.given) chars.underline = underline_of(lines.under);
    if (lines.through.given) set_line_through(lines.through, chars);
}

void read_paragraph_properties(const XmlAttributes &a, ParaFormat &para) {
    apply_known_attributes(kParaAttributes, a, para);
}

void read_tab_stop(const XmlAttributes &a, ParaFormat &para) {
    const auto position = signed_twips(a.get(Ns::Style, "position"));
    if (!position) return;
    textdoc::TabStop stop;
    stop.position = *position;
    stop.kind = value_named(kTabKinds, a.get(Ns::Style, "type", "left")).value_or(TabKind::Left);
    if (const auto *text = a.find(Ns::Style, "leader-text")) {
        stop.leader = value_named(kLeaderTexts, *text).value_or(TabLeader::None);
    } else {
        stop.leader = value_named(kLeaderStyles, a.get(Ns::Style, "leader-style")).value_or(TabLeader::None);
    }
    para.tabs.push_back(stop);
}

}  // namespace qrv::import::odf
