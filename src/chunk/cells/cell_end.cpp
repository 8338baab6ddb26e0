// Where a cell ends, and the cell tag in a line.
#include "cells.hpp"

namespace qrv::chunk::cells {
namespace {

bool ends_cell(const CHItem &item) {
    switch (item.type) {
    case CH_ITEM_BREAK:
    case CH_ITEM_CELL_END_45:
    case CH_ITEM_EMPTY_CELLS:
    case CH_ITEM_CELL_END_110: return true;
    default: return is_cell(item);
    }
}

}  // namespace

uint32_t cell_end(uint32_t id, CHHandle h) {
    uint32_t last_passed = id;
    ForwardWalk walk(h, id);
    while (walk.read()) {
        const CHItem &item = walk.item();
        if (ends_cell(item)) return last_passed;
        if (is_tag_begin(item)) {
            if (!walk.pass(is_skippable_begin(item))) break;
            last_passed = walk.position();
            continue;
        }
        last_passed = walk.item_id();
        if (!walk.advance()) break;
    }
    return kNoItem;
}

uint32_t cell_tag_in_line(uint32_t id, CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.read()) {
        const CHItem &item = walk.item();
        if (is_cell_or_empty_run(item)) return kNoItem;
        if (is_tag_begin(item) && item.value == CH_TAG_SS_CELL) return walk.item_id();
        if (!walk.advance()) break;
    }
    return kNoItem;
}

}  // namespace qrv::chunk::cells

// Gives the id of the last item of the cell that id lies in: the item
// before the first break, cell end, cell item or empty-cell run (id itself
// when that comes first).  Tags are passed over (skippable ones whole); after
// a tag begin the item the walk goes on at counts as passed.  -1 when a read
// fails or the items run out first.
extern "C" QRVAPI uint32_t CUFindSSDBCellEndId(uint32_t id, CHHandle h) { return qrv::chunk::cells::cell_end(id, h); }

// Gives the id of the next begin of a spreadsheet cell tag (0x20130000) from
// id on; -1 when a cell item or empty-cell run comes first, or a read fails.
// Tags are not skipped.
extern "C" QRVAPI uint32_t CUFindSSCellTagInLineId(uint32_t id, CHHandle h) {
    return qrv::chunk::cells::cell_tag_in_line(id, h);
}
