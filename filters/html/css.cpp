#include "css.hpp"

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

}  // namespace

std::string css_of(const TextFormat &format) {
    std::string css;
    for (const auto &f : kFlagStyles)
        if (format.*f.flag) add(css, f.declaration);
    if (format.underline && format.strike) {
        // Both decorations go in one declaration.
        css.clear();
        for (const auto &f : kFlagStyles)
            if (format.*f.flag && f.flag != &TextFormat::underline && f.flag != &TextFormat::strike)
                add(css, f.declaration);
        add(css, "text-decoration:underline line-through");
    }
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
    if (format.left_indent_twips) add(css, "margin-left:" + points(format.left_indent_twips));
    if (format.right_indent_twips) add(css, "margin-right:" + points(format.right_indent_twips));
    if (format.first_indent_twips) add(css, "text-indent:" + points(format.first_indent_twips));
    return css;
}

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control characters other than tab and newline are not allowed in HTML.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') out += ' ';
            else out += c;
        }
    }
    return out;
}

std::string id_of(std::string_view name) {
    std::string id;
    for (char c : name) {
        bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        id += keep ? c : '-';
    }
    return id.empty() ? "-" : id;
}

}  // namespace qrv::filters::html
