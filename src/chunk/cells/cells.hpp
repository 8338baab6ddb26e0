// What the spreadsheet and database cell readers share.
#pragma once

#include "chunk/walk.hpp"

#include <qrvex/cells.h>

namespace qrv::chunk::cells {

inline bool is_cell(const CHItem &item) { return item.type >= CH_ITEM_SS_CELL_70 && item.type <= CH_ITEM_SS_CELL_74; }
inline bool is_cell_or_empty_run(const CHItem &item) { return is_cell(item) || item.type == CH_ITEM_EMPTY_CELLS; }
inline uint32_t empty_run_length(const CHItem &item) { return item.value >> 16; }

// The chunker's code when a walk failed on a read (past the last item too);
// 37 when its ids stopped growing.
inline uint32_t walk_failure(const ForwardWalk &walk) {
    return walk.chunker_result() ? walk.chunker_result() : uint32_t{QRV_E_NOT_FOUND};
}

uint32_t read_section_params(uint32_t section, CUSSSectionParams &params, CHHandle h);

}  // namespace qrv::chunk::cells
