// word/styles.xml: the document defaults and the styles, with their
// based-on chains, into the text document.  Numbering styles are kept
// aside: a list definition may link to one (w:numStyleLink) and so to the
// list it names.
#pragma once

#include <map>
#include <string>

#include "package/package.hpp"
#include "textdoc/text_document.hpp"
#include "word_properties.hpp"

namespace qrv::import::docx {

// Numbering style key -> the numbering instance (numId) its w:numPr names.
using NumberingStyles = std::map<std::string, std::string, std::less<>>;

void read_styles(Package &package, const std::string &part, const ThemeFonts &theme, textdoc::TextDocument &doc,
                 NumberingStyles &numbering_styles);

}  // namespace qrv::import::docx
