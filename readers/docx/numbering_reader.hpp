// word/numbering.xml: abstract list definitions, and the numbering
// instances that paragraphs name (w:numId), with their level and start
// overrides.  Each instance becomes one list of the text document, keyed
// by its numId.
#pragma once

#include <string>

#include "package/package.hpp"
#include "textdoc/text_document.hpp"
#include "styles_reader.hpp"
#include "word_properties.hpp"

namespace qrv::import::docx {

void read_numbering(Package &package, const std::string &part, const ThemeFonts &theme, const NumberingStyles &styles,
                    textdoc::TextDocument &doc);

}  // namespace qrv::import::docx
