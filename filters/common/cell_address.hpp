// How a spreadsheet program names a cell: its column's letters and its row's
// number ("B3" is the second column of the third row).
#pragma once

#include <cstdint>
#include <string>

namespace qrv::filters {

// "A" of a source column (0 is column A, 26 is AA).
std::string column_letters(uint32_t column);
// "A1" of a source column and row (0 is column A, row 1).
std::string cell_address(uint32_t column, uint32_t row);

}  // namespace qrv::filters
