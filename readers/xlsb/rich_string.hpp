// The strings of shared string items and rich cells: the text, then, when
// its flags say so, runs that each start at a character with a font of the
// styles part (phonetic text after them is not part of the text).
#pragma once

#include <vector>

#include "sheet/text_store.hpp"
#include "xlsx/fonts.hpp"
#include "xls/biff_record.hpp"

namespace qrv::import::xlsb {

class RichStrings {
public:
    RichStrings(TextStore &texts, xlsx::Fonts &fonts, const std::vector<xlsx::FontSpec> &font_specs)
        : texts_(texts), fonts_(fonts), font_specs_(font_specs) {}

    // Reads one string (its flags byte first) into the store; its number.
    uint32_t read(xls::Cursor &in);
    uint32_t empty() { return texts_.add(u""); }

private:
    uint32_t format_of_font(uint16_t index);

    TextStore &texts_;
    xlsx::Fonts &fonts_;
    const std::vector<xlsx::FontSpec> &font_specs_;
    std::vector<uint32_t> formats_;  // of font_specs_, made as runs name them
};

}  // namespace qrv::import::xlsb
