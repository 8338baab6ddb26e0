// The binary styles part (xl/styles.bin): number formats, fonts, fills,
// borders and the cell formats between the begin and end of the cell
// format list (the style formats are a list of their own, passed over),
// into the same looks as a workbook's XML styles.
#pragma once

#include <string>
#include <vector>

#include "xlsx/styles.hpp"

namespace qrv::import::xlsb {

struct BinaryStyles {
    xlsx::Styles looks;
    std::vector<xlsx::FontSpec> fonts;  // what runs of rich text name by index
};

// No part: every cell looks plain.
BinaryStyles read_styles(Package &package, const std::string &part, const xlsx::Theme &theme,
                         NumberFormatTable &numbers, xlsx::Fonts &fonts);

}  // namespace qrv::import::xlsb
