// What a cell style sets of a cell's frame (<style:table-cell-properties>:
// its background, vertical alignment, wrapping and borders) and what a row
// style sets of its rows' height (<style:table-row-properties>).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "package/xml_reader.hpp"
#include "sheet/cell_frame.hpp"

namespace qrv::import::odf {

struct CellProperties {
    std::optional<uint32_t> fill;  // 0x00RRGGBB, model::kNoFill for transparent
    std::optional<uint8_t> vertical;
    std::optional<bool> wraps;
    std::array<std::optional<CellBorder>, model::kSideCount> borders;  // top, right, bottom, left
    std::optional<uint32_t> row_height;  // twips; set only where the row's height is its own

    // Every property not set here takes the one of `parent`.
    void fill_from(const CellProperties &parent);
    CellFrame frame() const;
};

void read_cell_properties(const XmlAttributes &attributes, CellProperties &cell);
void read_row_properties(const XmlAttributes &attributes, CellProperties &cell);

// A border as a style gives it ("0.74pt solid #000000", "none"); none
// where it cannot be read.
std::optional<CellBorder> border_of(std::string_view text);

}  // namespace qrv::import::odf
