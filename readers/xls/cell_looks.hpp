// The looks of a workbook's cell formats: each XF record's number format
// key, character format and alignment, resolved once before any sheet is
// written (number formats are items that must come first).
#pragma once

#include <vector>

#include "numfmt/number_formats.hpp"
#include "writer/font_table.hpp"
#include "globals.hpp"

namespace qrv::import::xls {

class CellLooks {
public:
    CellLooks(const Globals &book, NumberFormatTable &numbers, FontTable &fonts, CharFormatTable &formats);

    // The look of cell format index; plain for one out of range.
    const CellLook &operator[](uint32_t index) const { return index < looks_.size() ? looks_[index] : plain_; }

private:
    std::vector<CellLook> looks_;
    CellLook plain_;
};

}  // namespace qrv::import::xls
