// The levels of an OpenDocument list style (<text:list-level-style-number>,
// -bullet, -image, and the outline's <text:outline-level-style>) as list
// levels of the text document: the number format, the text around the
// number with the numbers of the levels above it, the start value, the
// bullet, and the indents of the level's paragraphs.
#pragma once

#include <string>
#include <string_view>

#include "package/xml_reader.hpp"
#include "textdoc/list_definitions.hpp"

namespace qrv::import::odf {

// A style:num-format: "1", "a", "A", "i", "I", "" (no number); other
// numberings are shown as decimal.
textdoc::NumberKind number_kind_of(std::string_view num_format);

// The level text of 0-based level `level` showing `shown` levels' numbers
// (text:display-levels) between prefix and suffix: level 2 showing 3 with
// the suffix ")" is "%1.%2.%3)".
std::string level_text(std::string_view prefix, std::string_view suffix, size_t level, unsigned shown);

// The level element's start (its name tells numbered, bulleted or picture
// levels apart) as a list level of 0-based index `level`; a bullet's text
// is its character as written (textdoc::shown_bullet tells what it shows).
textdoc::ListLevel list_level_of(const XmlName &name, const XmlAttributes &a, size_t level);

// A <style:list-level-properties> or <style:list-level-label-alignment>:
// the indents and the tab stop of the level's paragraphs.
void read_level_position(const XmlName &name, const XmlAttributes &a, textdoc::ListLevel &level);

}  // namespace qrv::import::odf
