// Cell references of a worksheet ("B7", "$B$7", "A1:C3").
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qrv::import::xlsx {

// The largest sheet a workbook may hold.
inline constexpr uint32_t kMaxRows = 1u << 20;
inline constexpr uint32_t kMaxColumns = 1u << 14;

struct CellRef {
    uint32_t row = 0;     // 0 is row 1
    uint32_t column = 0;  // 0 is column A
};

// "B7" -> row 6, column 1; nothing for a malformed reference or one
// outside the largest sheet.  "$" marks are allowed.
std::optional<CellRef> parse_cell(std::string_view ref);

// The column part alone ("B7" -> 1), for cells that give no row.
std::optional<uint32_t> parse_column(std::string_view ref);

struct RangeRef {
    CellRef first, last;
};
// "A1:C3", or a single cell as a range of one.
std::optional<RangeRef> parse_range(std::string_view ref);

}  // namespace qrv::import::xlsx
