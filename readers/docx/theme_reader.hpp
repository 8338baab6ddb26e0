// The fonts of a document's theme (word/theme/theme1.xml): the Latin
// typefaces of its major (headings) and minor (body) fonts.
#pragma once

#include "package/package.hpp"
#include "word_properties.hpp"

namespace qrv::import::docx {

// The theme of the main part, or no fonts when it has none.
ThemeFonts read_theme_fonts(Package &package, const std::string &main_part);

}  // namespace qrv::import::docx
