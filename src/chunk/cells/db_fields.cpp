// Plain forward searches of database sections.
#include "cells.hpp"

namespace qrv::chunk::cells {

uint32_t start_field_info(uint32_t id, uint32_t limit, CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.position() <= limit && walk.read()) {
        if (walk.item().type == CH_ITEM_FIELD_LIST_BEGIN) return walk.item_id();
        if (!walk.advance()) break;
    }
    return kNoItem;
}

uint32_t cell_format(uint32_t id, uint32_t n, CHHandle h) {
    uint32_t formats_before = 0;
    ForwardWalk walk(h, id);
    while (walk.read()) {
        if (walk.item().type == CH_ITEM_DB_CELL_FORMAT && formats_before++ == n) return walk.item_id();
        if (!walk.advance()) break;
    }
    return kNoItem;
}

}  // namespace qrv::chunk::cells

// Gives the id of the first field list item from id on, looking no further
// than limit (inclusive); -1 when there is none or a read fails.
extern "C" QRVAPI uint32_t CUFindDBStartFieldInfoId(uint32_t id, uint32_t limit, CHHandle h) {
    return qrv::chunk::cells::start_field_info(id, limit, h);
}

// Gives the id of the (n+1)-th cell format item from id on (n = 0 the
// first); -1 when there are fewer or a read fails.
extern "C" QRVAPI uint32_t CUGetDBCellFormatId(uint32_t id, uint32_t n, CHHandle h) {
    return qrv::chunk::cells::cell_format(id, n, h);
}
