#include "word_properties.hpp"

#include <charconv>

#include "core/named_values.hpp"

namespace qrv::import::docx {

using textdoc::Align;
using textdoc::CharFormat;
using textdoc::LineRule;
using textdoc::ParaFormat;
using textdoc::TabKind;
using textdoc::TabLeader;
using textdoc::TabStop;
using textdoc::Underline;
using textdoc::VerticalAlign;

std::string_view val(const XmlAttributes &a) { return a.get(Ns::Wordprocessing, "val"); }

bool on_off(const XmlAttributes &a) {
    const std::string_view *v = a.find(Ns::Wordprocessing, "val");
    return !v || !(*v == "0" || *v == "false" || *v == "off");
}

int32_t integer_of(std::string_view text, int32_t fallback) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return fallback;
    if (value > INT32_MAX / 2) return INT32_MAX / 2;
    if (value < INT32_MIN / 2) return INT32_MIN / 2;
    return static_cast<int32_t>(value);
}

namespace {

// Word's keywords of property values and what each stands for.
constexpr Named<Align> kAlignments[] = {
    {"left", Align::Left},           {"start", Align::Left},
    {"center", Align::Centre},       {"right", Align::Right},
    {"end", Align::Right},           {"both", Align::Justify},
    {"distribute", Align::Justify},  {"justify", Align::Justify},
    {"lowKashida", Align::Justify},  {"mediumKashida", Align::Justify},
    {"highKashida", Align::Justify}, {"thaiDistribute", Align::Justify},
};

constexpr Named<LineRule> kLineRules[] = {
    {"auto", LineRule::Auto}, {"atLeast", LineRule::AtLeast}, {"exact", LineRule::Exact}};

constexpr Named<TabKind> kTabKinds[] = {
    {"left", TabKind::Left},   {"start", TabKind::Left},  {"center", TabKind::Centre},
    {"right", TabKind::Right}, {"end", TabKind::Right},   {"decimal", TabKind::Decimal},
    {"bar", TabKind::Bar},     {"clear", TabKind::Clear}, {"num", TabKind::Left},
};

constexpr Named<TabLeader> kTabLeaders[] = {
    {"none", TabLeader::None},        {"dot", TabLeader::Dot},
    {"hyphen", TabLeader::Hyphen},    {"underscore", TabLeader::Underscore},
    {"heavy", TabLeader::Underscore}, {"middleDot", TabLeader::MiddleDot},
};

constexpr Named<Underline> kUnderlines[] = {
    {"none", Underline::None},
    {"single", Underline::Single},
    {"words", Underline::Words},
    {"double", Underline::Double},
    {"thick", Underline::Thick},
    {"dotted", Underline::Dotted},
    {"dottedHeavy", Underline::Dotted},
    {"dash", Underline::Dashed},
    {"dashedHeavy", Underline::Dashed},
    {"dashLong", Underline::Dashed},
    {"dashLongHeavy", Underline::Dashed},
    {"dotDash", Underline::DotDash},
    {"dashDotHeavy", Underline::DotDash},
    {"dotDotDash", Underline::DotDash},
    {"dashDotDotHeavy", Underline::DotDash},
    {"wave", Underline::Wave},
    {"wavyHeavy", Underline::Wave},
    {"wavyDouble", Underline::Wave},
};

constexpr Named<VerticalAlign> kVerticals[] = {
    {"baseline", VerticalAlign::Baseline},
    {"superscript", VerticalAlign::Superscript},
    {"subscript", VerticalAlign::Subscript},
};

// The highlight colours by name.
constexpr Named<textdoc::Rgb> kHighlights[] = {
    {"yellow", 0xFFFF00},
    {"green", 0x00FF00},
    {"cyan", 0x00FFFF},
    {"magenta", 0xFF00FF},
    {"blue", 0x0000FF},
    {"red", 0xFF0000},
    {"darkBlue", 0x000080},
    {"darkCyan", 0x008080},
    {"darkGreen", 0x008000},
    {"darkMagenta", 0x800080},
    {"darkRed", 0x800000},
    {"darkYellow", 0x808000},
    {"darkGray", 0x808080},
    {"lightGray", 0xC0C0C0},
    {"white", 0xFFFFFF},
    // A black highlight is kept apart from none.
    {"black", 0x010101},
    {"none", CharFormat::kNoHighlight},
};

std::optional<textdoc::Rgb> hex_colour(std::string_view text) {
    if (text.size() != 6) return std::nullopt;
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 6, value, 16);
    if (error != std::errc() || end != text.data() + 6) return std::nullopt;
    return value;
}

std::optional<int32_t> twips(const XmlAttributes &a, std::string_view name) {
    const std::string_view *v = a.find(Ns::Wordprocessing, name);
    if (!v) return std::nullopt;
    return integer_of(*v);
}

// ---- w:pPr ----

using ParagraphHandler = void (*)(const XmlAttributes &, ParagraphProperties &);

struct ParagraphEntry {
    std::string_view element;
    ParagraphHandler read;
    PropertyScope scope;
};

void indents(const XmlAttributes &a, ParagraphProperties &p) {
    if (auto v = twips(a, "left")) p.format.left = v;
    if (auto v = twips(a, "start")) p.format.left = v;
    if (auto v = twips(a, "right")) p.format.right = v;
    if (auto v = twips(a, "end")) p.format.right = v;
    if (auto v = twips(a, "firstLine")) p.format.first_line = v;
    if (auto v = twips(a, "hanging")) p.format.first_line = -*v;
}

void spacing(const XmlAttributes &a, ParagraphProperties &p) {
    if (auto v = twips(a, "before")) p.format.space_before = v;
    if (auto v = twips(a, "after")) p.format.space_after = v;
    if (auto v = twips(a, "line")) p.format.line = v;
    if (auto rule = value_named(kLineRules, a.get(Ns::Wordprocessing, "lineRule")))
        p.format.line_rule = rule;
    else if (p.format.line && !p.format.line_rule)
        p.format.line_rule = LineRule::Auto;
}

constexpr ParagraphEntry kParagraphProperties[] = {
    {"pStyle", [](const XmlAttributes &a, ParagraphProperties &p) { p.style = val(a); }, PropertyScope::Leaf},
    {"jc",
     [](const XmlAttributes &a, ParagraphProperties &p) {
         if (auto v = value_named(kAlignments, val(a))) p.format.align = v;
     },
     PropertyScope::Leaf},
    {"ind", indents, PropertyScope::Leaf},
    {"spacing", spacing, PropertyScope::Leaf},
    {"keepNext", [](const XmlAttributes &a, ParagraphProperties &p) { p.format.keep_next = on_off(a); },
     PropertyScope::Leaf},
    {"keepLines", [](const XmlAttributes &a, ParagraphProperties &p) { p.format.keep_lines = on_off(a); },
     PropertyScope::Leaf},
    {"pageBreakBefore", [](const XmlAttributes &a, ParagraphProperties &p) { p.format.page_break_before = on_off(a); },
     PropertyScope::Leaf},
    {"outlineLvl",
     [](const XmlAttributes &a, ParagraphProperties &p) {
         const int32_t level = integer_of(val(a), ParaFormat::kBodyLevel);
         p.format.outline_level = level >= 0 && level < 9 ? unsigned(level) : ParaFormat::kBodyLevel;
     },
     PropertyScope::Leaf},
    {"numPr", nullptr, PropertyScope::Numbering},
    {"tabs", nullptr, PropertyScope::Tabs},
    {"sectPr", [](const XmlAttributes &, ParagraphProperties &p) { p.ends_section = true; }, PropertyScope::Skip},
    // The paragraph mark's own run properties, and the properties before a
    // tracked change, do not format the text.
    {"rPr", nullptr, PropertyScope::Skip},
    {"pPrChange", nullptr, PropertyScope::Skip},
};

// ---- w:rPr ----

using RunHandler = void (*)(const XmlAttributes &, const ThemeFonts &, RunProperties &);

struct RunEntry {
    std::string_view element;
    RunHandler read;
};

template <std::optional<bool> CharFormat::*Field>
void flag(const XmlAttributes &a, const ThemeFonts &, RunProperties &r) {
    r.format.*Field = on_off(a);
}

// The font of the Latin script: a theme font where one is named (it wins
// over the plain name), else the ascii or hAnsi name.
void fonts(const XmlAttributes &a, const ThemeFonts &theme, RunProperties &r) {
    for (std::string_view attribute : {"asciiTheme", "hAnsiTheme"}) {
        const std::string_view named = a.get(Ns::Wordprocessing, attribute);
        if (named.empty()) continue;
        const std::string &font = named.starts_with("major") ? theme.major : theme.minor;
        if (!font.empty()) {
            r.format.font = font;
            return;
        }
    }
    for (std::string_view attribute : {"ascii", "hAnsi"}) {
        const std::string_view name = a.get(Ns::Wordprocessing, attribute);
        if (!name.empty()) {
            r.format.font = std::string(name);
            return;
        }
    }
}

void colour(const XmlAttributes &a, const ThemeFonts &, RunProperties &r) {
    const std::string_view v = val(a);
    if (v == "auto")
        r.format.colour = CharFormat::kAutoColour;
    else if (auto rgb = hex_colour(v))
        r.format.colour = rgb;
}

void highlight(const XmlAttributes &a, const ThemeFonts &, RunProperties &r) {
    if (auto v = value_named(kHighlights, val(a))) r.format.highlight = v;
}

// Shading of the run: its fill shows like a highlight, unless the run has one.
void shading(const XmlAttributes &a, const ThemeFonts &, RunProperties &r) {
    if (r.format.highlight) return;
    if (auto rgb = hex_colour(a.get(Ns::Wordprocessing, "fill")); rgb && *rgb != 0xFFFFFF) r.format.highlight = rgb;
}

constexpr RunEntry kRunProperties[] = {
    {"rStyle", [](const XmlAttributes &a, const ThemeFonts &, RunProperties &r) { r.style = val(a); }},
    {"b", flag<&CharFormat::bold>},
    {"i", flag<&CharFormat::italic>},
    {"strike", flag<&CharFormat::strike>},
    {"dstrike", flag<&CharFormat::double_strike>},
    {"caps", flag<&CharFormat::caps>},
    {"smallCaps", flag<&CharFormat::small_caps>},
    {"vanish", flag<&CharFormat::hidden>},
    {"u", [](const XmlAttributes &a, const ThemeFonts &,
             RunProperties &r) { r.format.underline = value_named(kUnderlines, val(a)).value_or(Underline::Single); }},
    {"vertAlign",
     [](const XmlAttributes &a, const ThemeFonts &, RunProperties &r) {
         if (auto v = value_named(kVerticals, val(a))) r.format.vertical = v;
     }},
    {"sz",
     [](const XmlAttributes &a, const ThemeFonts &, RunProperties &r) {
         const int32_t size = integer_of(val(a));
         if (size > 0 && size < 0x10000) r.format.size = static_cast<uint32_t>(size);
     }},
    {"rFonts", fonts},
    {"color", colour},
    {"highlight", highlight},
    {"shd", shading},
};

}  // namespace

PropertyScope read_paragraph_property(const XmlName &name, const XmlAttributes &a, ParagraphProperties &p) {
    if (name.ns != Ns::Wordprocessing) return PropertyScope::Skip;
    for (const auto &entry : kParagraphProperties) {
        if (entry.element != name.local) continue;
        if (entry.read) entry.read(a, p);
        return entry.scope;
    }
    return PropertyScope::Skip;
}

void read_tab_stop(const XmlAttributes &a, ParaFormat &format) {
    TabStop stop;
    stop.kind = value_named(kTabKinds, val(a)).value_or(TabKind::Left);
    stop.leader = value_named(kTabLeaders, a.get(Ns::Wordprocessing, "leader")).value_or(TabLeader::None);
    stop.position = twips(a, "pos").value_or(0);
    format.tabs.push_back(stop);
}

void read_numbering_property(const XmlName &name, const XmlAttributes &a, textdoc::ListRef &list) {
    if (name.ns != Ns::Wordprocessing) return;
    if (name.local == "ilvl") {
        const int32_t level = integer_of(val(a), 0);
        list.level = level < 0 ? 0u : static_cast<unsigned>(level);
    } else if (name.local == "numId") {
        // numId 0 takes the paragraph out of any list.
        const std::string_view id = val(a);
        list.list = id == "0" ? std::string() : std::string(id);
    }
}

PropertyScope read_run_property(const XmlName &name, const XmlAttributes &a, const ThemeFonts &theme,
                                RunProperties &r) {
    if (name.ns != Ns::Wordprocessing) return PropertyScope::Skip;
    if (name.local == "rPrChange") return PropertyScope::Skip;
    for (const auto &entry : kRunProperties)
        if (entry.element == name.local) {
            entry.read(a, theme, r);
            break;
        }
    return PropertyScope::Leaf;
}

void PropertyReader::begin(ParagraphProperties &target) {
    paragraph_ = &target;
    run_ = nullptr;
    scopes_.assign(1, Scope::Paragraph);
}

void PropertyReader::begin(RunProperties &target) {
    run_ = &target;
    paragraph_ = nullptr;
    scopes_.assign(1, Scope::Run);
}

PropertyReader::Scope PropertyReader::inner(PropertyScope scope) const {
    switch (scope) {
    case PropertyScope::Tabs: return Scope::Tabs;
    case PropertyScope::Numbering: return Scope::Numbering;
    default: return Scope::Skip;
    }
}

void PropertyReader::start(const XmlName &name, const XmlAttributes &a) {
    Scope next = Scope::Skip;
    switch (scopes_.back()) {
    case Scope::Paragraph: next = inner(read_paragraph_property(name, a, *paragraph_)); break;
    case Scope::Run: next = inner(read_run_property(name, a, theme_, *run_)); break;
    case Scope::Tabs:
        if (name.is(Ns::Wordprocessing, "tab")) read_tab_stop(a, paragraph_->format);
        break;
    case Scope::Numbering: read_numbering_property(name, a, paragraph_->list); break;
    case Scope::Skip: break;
    }
    scopes_.push_back(next);
}

bool PropertyReader::end() {
    scopes_.pop_back();
    return scopes_.empty();
}

}  // namespace qrv::import::docx
