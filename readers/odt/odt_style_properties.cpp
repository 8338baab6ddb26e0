#include "odt_style_properties.hpp"

#include <cmath>

#include "odf/attribute_handlers.hpp"
#include "odf/attribute_values.hpp"
#include "core/named_values.hpp"
#include "odf/text_properties.hpp"

namespace qrv::import::odf {
namespace {

using textdoc::Align;
using textdoc::LineRule;
using textdoc::ParaFormat;
using textdoc::TabKind;
using textdoc::TabLeader;

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
