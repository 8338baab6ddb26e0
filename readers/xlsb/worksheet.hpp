// A binary worksheet part (xl/worksheets/sheetN.bin), streamed into a
// SheetBuilder: rows (heights, hidden), cells (numbers, packed numbers,
// shared, own and rich strings, truth values, errors, cached formula
// results), column widths, merged ranges, the first view and links.
#pragma once

#include <string>
#include <vector>

#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"
#include "xlsx/styles.hpp"
#include "rich_string.hpp"

namespace qrv::import::xlsb {

// What the sheets of a workbook share.
struct BinaryBook {
    Package &package;
    xlsx::Styles &styles;
    const std::vector<uint32_t> &shared_strings;
    TextStore &texts;
    RichStrings &rich;
};

void read_worksheet(BinaryBook &book, const std::string &part, SheetBuilder &sheet);

}  // namespace qrv::import::xlsb
