// Fonts of a workbook as character formats.  The workbook's first font is
// the sheet's own: a font takes a name or size only where it differs from
// it, so ordinary cells carry no font items at all.
#pragma once

#include <cstdint>

#include "sheet/char_format.hpp"
#include "writer/font_table.hpp"
#include "font_properties.hpp"

namespace qrv::import::xlsx {

class Fonts {
public:
    Fonts(FontTable &fonts, CharFormatTable &formats) : fonts_(fonts), formats_(formats) {}

    void set_base(const FontSpec &base) { base_ = base; }
    // The character format number of a font.
    uint32_t format_of(const FontSpec &font);
    const CharFormatTable &formats() const { return formats_; }

private:
    FontTable &fonts_;
    CharFormatTable &formats_;
    FontSpec base_;
};

}  // namespace qrv::import::xlsx
