#include "symbol_fonts.hpp"

#include <algorithm>
#include <cctype>

#include "writer/utf16.hpp"
#include "list_definitions.hpp"

namespace qrv::import::textdoc {
namespace {

struct SymbolChar {
    unsigned char code;
    char32_t unicode;
};

// The Symbol font: Greek letters, arrows, mathematical signs and bullets.
constexpr SymbolChar kSymbol[] = {
    {0x20, U' '},      {0x21, U'!'},      {0x22, U'\u2200'}, {0x23, U'#'},      {0x24, U'\u2203'}, {0x25, U'%'},
    {0x26, U'&'},      {0x27, U'\u220B'}, {0x28, U'('},      {0x29, U')'},      {0x2A, U'\u2217'}, {0x2B, U'+'},
    {0x2C, U','},      {0x2D, U'\u2212'}, {0x2E, U'.'},      {0x2F, U'/'},      {0x3C, U'<'},      {0x3D, U'='},
    {0x3E, U'>'},      {0x3F, U'?'},      {0x40, U'\u2245'}, {0x41, U'\u0391'}, {0x42, U'\u0392'}, {0x43, U'\u03A7'},
    {0x44, U'\u0394'}, {0x45, U'\u0395'}, {0x46, U'\u03A6'}, {0x47, U'\u0393'}, {0x48, U'\u0397'}, {0x49, U'\u0399'},
    {0x4A, U'\u03D1'}, {0x4B, U'\u039A'}, {0x4C, U'\u039B'}, {0x4D, U'\u039C'}, {0x4E, U'\u039D'}, {0x4F, U'\u039F'},
    {0x50, U'\u03A0'}, {0x51, U'\u0398'}, {0x52, U'\u03A1'}, {0x53, U'\u03A3'}, {0x54, U'\u03A4'}, {0x55, U'\u03A5'},
    {0x56, U'\u03C2'}, {0x57, U'\u03A9'}, {0x58, U'\u039E'}, {0x59, U'\u03A8'}, {0x5A, U'\u0396'}, {0x5B, U'['},
    {0x5C, U'\u2234'}, {0x5D, U']'},      {0x5E, U'\u22A5'}, {0x5F, U'_'},      {0x61, U'\u03B1'}, {0x62, U'\u03B2'},
    {0x63, U'\u03C7'}, {0x64, U'\u03B4'}, {0x65, U'\u03B5'}, {0x66, U'\u03C6'}, {0x67, U'\u03B3'}, {0x68, U'\u03B7'},
    {0x69, U'\u03B9'}, {0x6A, U'\u03D5'}, {0x6B, U'\u03BA'}, {0x6C, U'\u03BB'}, {0x6D, U'\u03BC'}, {0x6E, U'\u03BD'},
    {0x6F, U'\u03BF'}, {0x70, U'\u03C0'}, {0x71, U'\u03B8'}, {0x72, U'\u03C1'}, {0x73, U'\u03C3'}, {0x74, U'\u03C4'},
    {0x75, U'\u03C5'}, {0x76, U'\u03D6'}, {0x77, U'\u03C9'}, {0x78, U'\u03BE'}, {0x79, U'\u03C8'}, {0x7A, U'\u03B6'},
    {0x7B, U'{'},      {0x7C, U'|'},      {0x7D, U'}'},      {0x7E, U'\u223C'}, {0xA1, U'\u03D2'}, {0xA2, U'\u2032'},
    {0xA3, U'\u2264'}, {0xA4, U'\u2044'}, {0xA5, U'\u221E'}, {0xA6, U'\u0192'}, {0xA7, U'\u2663'}, {0xA8, U'\u2666'},
    {0xA9, U'\u2665'}, {0xAA, U'\u2660'}, {0xAB, U'\u2194'}, {0xAC, U'\u2190'}, {0xAD, U'\u2191'}, {0xAE, U'\u2192'},
    {0xAF, U'\u2193'}, {0xB0, U'\u00B0'}, {0xB1, U'\u00B1'}, {0xB2, U'\u2033'}, {0xB3, U'\u2265'}, {0xB4, U'\u00D7'},
    {0xB5, U'\u221D'}, {0xB6, U'\u2202'}, {0xB7, U'\u2022'}, {0xB8, U'\u00F7'}, {0xB9, U'\u2260'}, {0xBA, U'\u2261'},
    {0xBB, U'\u2248'}, {0xBC, U'\u2026'}, {0xC5, U'\u2295'}, {0xC6, U'\u2205'}, {0xC7, U'\u2229'}, {0xC8, U'\u222A'},
    {0xC9, U'\u2283'}, {0xCA, U'\u2287'}, {0xCB, U'\u2284'}, {0xCC, U'\u2282'}, {0xCD, U'\u2286'}, {0xCE, U'\u2208'},
    {0xCF, U'\u2209'}, {0xD0, U'\u2220'}, {0xD1, U'\u2207'}, {0xD2, U'\u00AE'}, {0xD3, U'\u00A9'}, {0xD4, U'\u2122'},
    {0xD5, U'\u220F'}, {0xD6, U'\u221A'}, {0xD7, U'\u22C5'}, {0xD8, U'\u00AC'}, {0xD9, U'\u2227'}, {0xDA, U'\u2228'},
    {0xDB, U'\u21D4'}, {0xDC, U'\u21D0'}, {0xDD, U'\u21D1'}, {0xDE, U'\u21D2'}, {0xDF, U'\u21D3'}, {0xE0, U'\u25CA'},
    {0xE5, U'\u2211'}, {0xF2, U'\u222B'},
};

// Wingdings: the marks documents use as bullets.
constexpr SymbolChar kWingdings[] = {
    {0x6C, U'\u25CF'}, {0x6E, U'\u25A0'}, {0x71, U'\u2751'}, {0x75, U'\u25C6'}, {0x76, U'\u2756'}, {0x77, U'\u2B25'},
    {0x9F, U'\u2022'}, {0xA7, U'\u25AA'}, {0xA8, U'\u25FB'}, {0xD8, U'\u27A2'}, {0xE0, U'\u2192'}, {0xE8, U'\u2794'},
    {0xF0, U'\u21E8'}, {0xFB, U'\u2717'}, {0xFC, U'\u2714'}, {0xFD, U'\u2612'}, {0xFE, U'\u2611'},
};

bool same_name(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

template <size_t N>
char32_t look_up(const SymbolChar (&table)[N], char32_t code) {
    for (const auto &c : table)
        if (c.code == code) return c.unicode;
    return U'\uFFFD';
}

}  // namespace

bool is_symbol_font(std::string_view font) { return same_name(font, "Symbol") || same_name(font, "Wingdings"); }

char32_t unicode_of_symbol(std::string_view font, char32_t code) {
    if (!is_symbol_font(font)) return code;
    // The fonts' codes also stand in the private use area at U+F000.
    if (code >= 0xF000 && code <= 0xF0FF) code -= 0xF000;
    if (code > 0xFF) return code;
    return same_name(font, "Symbol") ? look_up(kSymbol, code) : look_up(kWingdings, code);
}

std::string shown_bullet(std::string_view text, std::string_view font, size_t level) {
    if (text == "o") return "\u25E6";
    std::string out;
    for (char16_t unit : utf16_of(text)) {
        const char32_t shown = unicode_of_symbol(font, unit);
        const bool unknown =
            shown == U'\uFFFD' || (shown >= 0xE000 && shown <= 0xF8FF) || (shown >= 0xD800 && shown < 0xE000);
        append_utf8(unknown ? default_bullet(level) : shown, out);
    }
    if (out.find_first_not_of(" \u00A0") == std::string::npos) {
        out.clear();
        append_utf8(default_bullet(level), out);
    }
    return out;
}

}  // namespace qrv::import::textdoc
