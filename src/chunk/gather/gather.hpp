// The attribute-change walk: attribute items turned into change records.
#pragma once

#include "styles/load_chain.hpp"

#include <qrvex/changes.h>
#include <qrvex/styles.h>

#include <cstdint>

namespace qrv::gather {

struct Records {
    CUParaChangeInfo &para;
    CUTextChangeInfo &text;
    CUCellChangeInfo &cell;
};

// Handles item and the items after it up to last_id while they are
// attribute changes; pointed_id holds the id after item on entry and the
// first id not consumed on return.  0 or the code of a failed style load or
// chunker call.
uint32_t gather_changes(CUStyleSheet *sheet, Records records, const CHItem &item, uint32_t &pointed_id,
                        uint32_t last_id, CHHandle h, styles::LoadChain &chain);

}  // namespace qrv::gather
