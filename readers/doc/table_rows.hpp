// A table row's layout, stated by the mark that ends the row: the cells'
// edges (the table's left edge, then each cell's right edge, in twips) and
// a 20-byte record a cell with its merge flags; changes after it mark
// cells merged with the ones above and the row as a heading row or of a
// height.
#pragma once

#include <cstdint>
#include <span>

#include "rtf/row_definition.hpp"

namespace qrv::import::doc {

// Lays the row's cells out from the definition's operand (its 16-bit size
// first); false when the operand is cut short of the cells it counts,
// whose cells read before the cut are kept.
bool apply_table_definition(std::span<const uint8_t> operand, rtf::RowDefinition &row);

// One cell's vertical merge (operand: size, cell index, flag).
void apply_vertical_merge(std::span<const uint8_t> operand, rtf::RowDefinition &row);

}  // namespace qrv::import::doc
