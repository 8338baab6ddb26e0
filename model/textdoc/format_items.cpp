#include "format_items.hpp"

#include <qrvmodel/conventions.hpp>

namespace qrv::import::textdoc {
namespace {

using namespace qrv::model;

// On/off character attributes and their attribute codes.
struct FlagItem {
    bool RunLook::*flag;
    uint32_t code;
};

constexpr FlagItem kFlagItems[] = {
    {&RunLook::bold, kBold},           {&RunLook::italic, kItalic},
    {&RunLook::strike, kStrike},       {&RunLook::double_strike, kDoubleStrike},
    {&RunLook::caps, kCapitals},       {&RunLook::small_caps, kSmallCaps},
    {&RunLook::hidden, kHidden},       {&RunLook::superscript, kSuperscript},
    {&RunLook::subscript, kSubscript},
};

uint32_t underline_code(Underline u) {
    switch (u) {
    case Underline::None: return 0;
    case Underline::Single: return kUnderlineSingle;
    case Underline::Words: return kUnderlineWords;
    case Underline::Double: return kUnderlineDouble;
    case Underline::Thick: return kUnderlineThick;
    case Underline::Dotted: return kUnderlineDotted;
    case Underline::Dashed: return kUnderlineDashed;
    case Underline::DotDash: return kUnderlineDotDash;
    case Underline::Wave: return kUnderlineWave;
    }
    return kUnderlineSingle;
}

uint32_t align_code(Align a) {
    switch (a) {
    case Align::Centre: return kAlignCentre;
    case Align::Right: return kAlignRight;
    case Align::Justify: return kAlignJustify;
    case Align::Left: return kAlignLeft;
    }
    return kAlignLeft;
}

uint32_t line_rule_code(LineRule r) {
    switch (r) {
    case LineRule::AtLeast: return kLineAtLeast;
    case LineRule::Exact: return kLineExact;
    case LineRule::Auto: return kLineAuto;
    }
    return kLineAuto;
}

uint32_t tab_kind_code(TabKind k) {
    switch (k) {
    case TabKind::Centre: return kTabCentre;
    case TabKind::Right: return kTabRight;
    case TabKind::Decimal: return kTabDecimal;
    case TabKind::Bar: return kTabBar;
    default: return kTabLeft;
    }
}

uint32_t leader_char(TabLeader l) {
    switch (l) {
    case TabLeader::Dot: return '.';
    case TabLeader::Hyphen: return '-';
    case TabLeader::Underscore: return '_';
    case TabLeader::MiddleDot: return 0xB7;
    case TabLeader::None: return 0;
    }
    return 0;
}

uint32_t word(int32_t v) { return static_cast<uint32_t>(v); }

template <typename T>
T value_or_zero(const std::optional<T> &v) {
    return v.value_or(T{});
}

void write_tab_stop(DocumentWriter &out, const TabStop &stop) {
    out.item(CH_ITEM_TAB_STOP, tab_kind_code(stop.kind), leader_char(stop.leader), word(stop.position));
}

}  // namespace

RunLook look_of(const CharFormat &f, const CharFormat &defaults) {
    RunLook look;
    look.bold = f.bold.value_or(false);
    look.italic = f.italic.value_or(false);
    look.strike = f.strike.value_or(false);
    look.double_strike = f.double_strike.value_or(false);
    look.caps = f.caps.value_or(false);
    look.small_caps = f.small_caps.value_or(false);
    look.hidden = f.hidden.value_or(false);
    const VerticalAlign vertical = f.vertical.value_or(VerticalAlign::Baseline);
    look.superscript = vertical == VerticalAlign::Superscript;
    look.subscript = vertical == VerticalAlign::Subscript;
    look.underline = f.underline.value_or(Underline::None);
    if (f.font && f.font != defaults.font) look.font = *f.font;
    if (f.size && f.size != defaults.size) look.size = *f.size;
    if (f.colour && *f.colour != CharFormat::kAutoColour) look.colour = *f.colour & kRgbMask;
    if (f.highlight && *f.highlight != CharFormat::kNoHighlight) look.highlight = *f.highlight & kRgbMask;
    return look;
}

RunLook look_after_style(const RunLook &style) {
    RunLook look;
    look.font = style.font;
    look.colour = style.colour;
    return look;
}

void write_run_changes(DocumentWriter &out, FontTable &fonts, const RunLook &from, const RunLook &to) {
    for (const auto &f : kFlagItems)
        if (from.*f.flag != to.*f.flag) out.item(CH_ITEM_CHAR_ATTR, f.code, to.*f.flag ? 1 : 0);
    if (from.underline != to.underline) {
        if ((from.underline == Underline::None) != (to.underline == Underline::None))
            out.item(CH_ITEM_CHAR_ATTR, kUnderline, to.underline == Underline::None ? 0 : 1);
        out.item(CH_ITEM_ATTR_63, underline_code(to.underline));
    }
    if (from.font != to.font) out.item(CH_ITEM_FONT, fonts.id_of(to.font));
    if (from.size != to.size) out.item(CH_ITEM_FONT_SIZE, to.size);
    if (from.colour != to.colour) out.item(CH_ITEM_ATTR_25, to.colour);
    if (from.highlight != to.highlight) out.item(CH_ITEM_ATTR_60, 0, to.highlight);
}

void write_paragraph_fields(DocumentWriter &out, const ParaFormat &f) {
    if (f.align && *f.align != Align::Left) out.item(CH_ITEM_ATTR_12, align_code(*f.align));
    const int32_t left = value_or_zero(f.left), right = value_or_zero(f.right), first = value_or_zero(f.first_line);
    if (left || right || first) out.item(CH_ITEM_INDENTS, word(left), word(right), word(left + first));
    if (value_or_zero(f.space_before)) out.item(CH_ITEM_ATTR_98, 0, word(*f.space_before));
    if (value_or_zero(f.space_after)) out.item(CH_ITEM_ATTR_99, 0, word(*f.space_after));
    const LineRule rule = f.line_rule.value_or(LineRule::Auto);
    if (f.line && !(rule == LineRule::Auto && *f.line == 240))
        out.item(CH_ITEM_ATTR_14, line_rule_code(rule), word(*f.line));
    if (f.keep_next.value_or(false)) out.item(CH_ITEM_ATTR_56, 1);
    if (f.keep_lines.value_or(false)) out.item(CH_ITEM_ATTR_57, 1);
    if (f.page_break_before.value_or(false)) out.item(CH_ITEM_ATTR_103, 1);
    if (f.outline_level && *f.outline_level < ParaFormat::kBodyLevel) out.item(CH_ITEM_OUTLINE_LEVEL, *f.outline_level);
}

void write_tab_list(DocumentWriter &out, const std::vector<TabStop> &tabs) {
    out.item(CH_ITEM_TAB_LIST_BEGIN);
    for (const TabStop &stop : tabs)
        if (stop.kind != TabKind::Clear) write_tab_stop(out, stop);
    out.item(CH_ITEM_TAB_LIST_END);
}

void write_tab_changes(DocumentWriter &out, const std::vector<TabStop> &tabs) {
    out.item(CH_ITEM_TAB_MOD_BEGIN);
    for (const TabStop &stop : tabs) {
        // A clear of width 1 removes exactly the stop at its position.
        if (stop.kind == TabKind::Clear)
            out.item(CH_ITEM_TAB_CLEAR, word(stop.position), 1);
        else
            write_tab_stop(out, stop);
    }
    out.item(CH_ITEM_TAB_MOD_END);
}

}  // namespace qrv::import::textdoc
