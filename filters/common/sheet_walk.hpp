// Spreadsheet sections, written cell by cell.
#pragma once

#include "context.hpp"

namespace qrv::filters {

// Writes spreadsheet section number section (its record in info).  Returns
// 0 or the code of the library call that failed.
uint32_t walk_sheet(WalkContext &ctx, uint32_t section, const CHSectionInfo &info);

}  // namespace qrv::filters
