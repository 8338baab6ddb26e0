// Tables of the text flow, nested ones included.
#pragma once

#include "context.hpp"

namespace qrv::filters {

// Writes the table that begins at begin_id; depth is its nesting (1 for a
// table of the main flow).  after receives the id that follows the table.
// Returns 0 or the code of the library call that failed; what could be read
// is written all the same.
uint32_t walk_table(WalkContext &ctx, uint32_t begin_id, uint32_t last, unsigned depth, uint32_t &after);

}  // namespace qrv::filters
