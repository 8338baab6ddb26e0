#include "css.hpp"

#include "model.hpp"

#include <cstdio>

namespace qrv::filters::html {
namespace {

struct FlagStyle {
    bool TextFormat::*flag;
    const char *declaration;
};

constexpr FlagStyle kFlagStyles[] = {
    {&TextFormat::bold, "font-weight:bold"},
    {&TextFormat::italic, "font-style:italic"},
    {&TextFormat::underline, "text-decoration:underline"},
    {&TextFormat::strike, "text-decoration:line-through"},
    {&TextFormat::small_caps, "font-variant:small-caps"},
    {&TextFormat::superscript, "vertical-align:super;font-size:smaller"},
    {&TextFormat::subscript, "vertical-align:sub;font-size:smaller"},
    {&TextFormat::hidden, "display:none"},
};

void add(std::string &css, std::string_view declaration) {
    if (!css.empty()) css += ';';
    css += declaration;
}

std::string points(int twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%gpt", twips / 20.0);
    return text;
}

// Font names may not carry quotes or semicolons into a style attribute.
std::string font_family(std::string_view name) {
    std::string family;
    for (char c : name)
        if (c != '"' && c != '\'' && c != ';' && c != '<' && c != '>' && c != '&' && c != '\\') family += c;
    return family;
}

// The line style of an underline kind (qrvmodel/conventions.hpp), or null for a solid one.
const char *line_style(unsigned kind) {
    switch (kind) {
    case kUnderlineDouble: return "double";
    case kUnderlineDotted: return "dotted";
    case kUnderlineDashed:
    case kUnderlineDotDash: return "dashed";
    case kUnderlineWave: return "wavy";
    default: return nullptr;
    }
}

std::string hex_colour(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

// Decorations beyond underline and strike-through: their line style, capitals
// and colours.
void add_extras(std::string &css, const TextFormat &format) {
    if (format.double_strike && !format.strike) {
        add(css, format.underline ? "text-decoration:underline line-through" : "text-decoration:line-through");
        add(css, "text-decoration-style:double");
    } else if (const char *style = format.underline ? line_style(format.underline_kind) : nullptr) {
        add(css, std::string("text-decoration-style:") + style);
    }
    if (format.capitals) add(css, "text-transform:uppercase");
    if (format.colour) add(css, "color:" + hex_colour(format.colour));
    if (format.highlight) add(css, "background-color:" + hex_colour(format.highlight));
}

}  // namespace

std::string css_of(const TextFormat &format) {
    std::string css;
    const bool both_lines = format.underline && format.strike;
    const bool double_only = format.double_strike && !format.strike;
    for (const auto &f : kFlagStyles) {
        if (!(format.*f.flag)) continue;
        // Both decorations go in one declaration, after the others.
        const bool line = f.flag == &TextFormat::underline || f.flag == &TextFormat::strike;
        if (line && (both_lines || (double_only && f.flag == &TextFormat::underline))) continue;
        add(css, f.declaration);
    }
    if (both_lines) add(css, "text-decoration:underline line-through");
    add_extras(css, format);
    std::string family = font_family(format.font);
    if (!family.empty()) add(css, "font-family:'" + family + "'");
    if (format.size_half_points > 0) {
        char size[32];
        std::snprintf(size, sizeof size, "font-size:%gpt", format.size_half_points / 2.0);
        add(css, size);
    }
    return css;
}

std::string css_of(const ParaFormat &format) {
    std::string css;
    switch (format.align) {
    case Align::Centre: add(css, "text-align:center"); break;
    case Align::Right: add(css, "text-align:right"); break;
    case Align::Justify: add(css, "text-align:justify"); break;
    case Align::Left: break;
    }
    // A list item's indent is its list's nesting.
    if (format.kind == ParaKind::ListItem) return css;
    if (format.left_indent_twips) add(css, "margin-left:" + points(format.left_indent_twips));
    if (format.right_indent_twips) add(css, "margin-right:" + points(format.right_indent_twips));
    if (format.first_indent_twips) add(css, "text-indent:" + points(format.first_indent_twips));
    return css;
}

namespace {

// What each byte of text becomes in HTML: null for itself.  Control
// characters other than tab and newline are not allowed in HTML.
struct EscapeTable {
    const char *as[256] = {};
    bool special[256] = {};
    constexpr void set(unsigned char c, const char *text) {
        as[c] = text;
        special[c] = true;
    }
    constexpr EscapeTable() {
        set('&', "&amp;");
        set('<', "&lt;");
        set('>', "&gt;");
        set('"', "&quot;");
        for (unsigned char c = 0; c < 0x20; ++c)
            if (c != '\t' && c != '\n') set(c, " ");
    }
};
constexpr EscapeTable kEscapes;

// Runs of plain bytes go in one piece.
template <typename Text>
void escape_into(Text &out, std::string_view text) {
    const char *plain = text.data();
    const char *const end = plain + text.size();
    for (const char *at = plain; at != end; ++at) {
        const auto c = static_cast<unsigned char>(*at);
        if (!kEscapes.special[c]) continue;
        out += std::string_view(plain, static_cast<size_t>(at - plain));
        out += std::string_view(kEscapes.as[c]);
        plain = at + 1;
    }
    out += std::string_view(plain, static_cast<size_t>(end - plain));
}

}  // namespace

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    escape_into(out, text);
    return out;
}

void write_escaped(Output &out, std::string_view text) { escape_into(out, text); }

std::string id_of(std::string_view name) {
    std::string id;
    for (char c : name) {
        bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        id += keep ? c : '-';
    }
    return id.empty() ? "-" : id;
}

}  // namespace qrv::filters::html
