// The header, footer, date and page number a master page draws on the pages
// that ask for them.  A master's frame of one of these classes holds its
// text around a field (<presentation:header/>, <presentation:footer/>,
// <presentation:date-time/>, <text:page-number>); a page's drawing-page
// style says which of them it shows (presentation:display-footer and the
// rest; not stated is not shown, as LibreOffice draws them), and the page
// names the declarations (<presentation:footer-decl> and the rest, at the
// top of the presentation) that fill the header, footer and date fields.
// The page number is the page's place in the presentation.
//
// While a master is read, a field is kept as a marker character (a Unicode
// noncharacter, which no document text carries) and each page replaces it.
// A date declared as the current date has no text in the file and shows
// nothing: the day of the conversion would make every export differ.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "textdoc/recording.hpp"

namespace qrv::import::odp {

enum class Decoration : uint8_t { None, Header, Footer, DateTime, PageNumber };
constexpr size_t kDecorations = 5;

// A bit for each decoration a page shows.
using DecorationSet = uint8_t;
constexpr DecorationSet bit_of(Decoration d) { return static_cast<DecorationSet>(1u << static_cast<unsigned>(d)); }

// The decoration by its name, which is the presentation:class of the frame
// that draws it and the local name of its field element
// (<presentation:footer/>, <text:page-number>); None for other names.
Decoration decoration_named(std::string_view name);
// The marker that stands for the field in a master's text.
std::string_view marker_of(Decoration d);

// What one page fills the fields with.
struct DecorationTexts {
    DecorationSet shown = 0;
    std::array<std::string, kDecorations> text;  // by Decoration; the page number's is its number
};

// The master's frame as this page shows it: its markers replaced by the
// page's texts.  Empty when the page does not show this decoration.
textdoc::Recording decorate(const textdoc::Recording &frame, Decoration d, const DecorationTexts &page);

}  // namespace qrv::import::odp
