// Gathering a cell's values through the attribute change walk.
#include "cells.hpp"

#include <qrvex/gather.h>

#include <cstring>

namespace qrv::chunk::cells {
namespace {

bool is_cell_value(uint32_t type) {
    switch (type) {
    case CH_ITEM_STYLE:
    case CH_ITEM_CELL_147:
    case CH_ITEM_CELL_148:
    case CH_ITEM_CELL_150:
    case CH_ITEM_CELL_151:
    case CH_ITEM_CELL_152:
    case CH_ITEM_CELL_153:
    case CH_ITEM_CELL_154: return true;
    default: return false;
    }
}

}  // namespace

uint32_t gather_cell_info(CUStyleSheet *sheet, CUCellChangeInfo *cell, uint32_t start, uint32_t last, CHHandle h) {
    // The walk fills paragraph and text records too; a cell keeps neither.
    CUParaChangeInfo para;
    CUTextChangeInfo text;
    std::memset(&para, 0, sizeof para);
    std::memset(&text, 0, sizeof text);
    CHItem item{};
    uint32_t next = kNoItem;
    if (host::get_item(h, start, item, &next) != 0) return QRV_OK;
    while (next <= last) {
        if (is_cell_value(item.type)) {
            const uint32_t at = next;
            if (uint32_t result = CUGatherChangeInfo(sheet, &para, &text, cell, item, &next, last - 1, h))
                return result;
            if (next < at) return QRV_OK;
        } else if (is_skippable_begin(item)) {
            const TagSkip skipped = skip_tag_from(h, next);
            if (!skipped.ok) return QRV_OK;
            next = skipped.after_id;
            if (next > last) break;
        }
        const uint32_t at = next;
        if (host::get_item(h, at, item, &next) != 0 || next <= at) return QRV_OK;
    }
    return QRV_OK;
}

}  // namespace qrv::chunk::cells

// Gathers a cell's values (the style and cell value items between startId
// and lastId) into the caller's cell record through the change walk;
// skippable tags are passed over whole.  The item room is not read.  0, or
// the non-zero result of the change walk; a failed read ends the walk with 0.
extern "C" QRVAPI uint32_t CUGatherSSDBCellInfo(CUStyleSheet *sheet, CUCellChangeInfo *cell, uint32_t startId,
                                                uint32_t lastId, CHItem /*room*/, CHHandle h) {
    return qrv::chunk::cells::gather_cell_info(sheet, cell, startId, lastId, h);
}
