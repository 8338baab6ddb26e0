// The family a style belongs to (style:family): a style's name is one
// family's, and a style's parents are of its own family.
#pragma once

#include <cstdint>
#include <string_view>

namespace qrv::import::odf {

enum class Family : uint8_t { kTableCell, kTableColumn, kTableRow, kTable, kText, kParagraph, kOther };

// The family of a style:family value.
Family family_of(std::string_view name);

}  // namespace qrv::import::odf
