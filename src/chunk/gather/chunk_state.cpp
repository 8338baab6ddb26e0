// The attributes in force at an item, gathered from the start of its chunk.
#include "chunk/gather/gather.hpp"
#include "chunk/gather/type_set.hpp"

#include "chunk/walk.hpp"
#include "host/chunker.hpp"

#include <qrvex/gather.h>
#include <qrvex/navigate.h>

namespace qrv::gather {

namespace {

constexpr uint32_t kChunkOfId = 0xFFFF0000u;
constexpr TypeSet kStateChanges{8,  9,  10,       12, 13, 14, {20, 23},  25,  28,
                                29, 30, {56, 65}, 93, 94, 95, {97, 103}, 119, 137};

}  // namespace

uint32_t gather_chunk_state(CUStyleSheet *sheet, CUParaChangeInfo &para, CUTextChangeInfo &text, CHHandle h,
                            uint32_t item_id) {
    CUCellChangeInfo scratch_cell{};
    CHItem item{};
    uint32_t id = item_id & kChunkOfId;
    uint32_t next = CH_NO_ITEM;
    if (const uint32_t result = host::get_item(h, id, item, &next); result != 0) return result;
    while (next <= item_id) {
        if (kStateChanges.contains(item.type))
            gather_changes(sheet, {para, text, scratch_cell}, item, next, item_id, h);
        else if (chunk::is_skippable_begin(item))
            next = CUSkipTag(next, h);
        if (next <= id) return 0;
        id = next;
        if (const uint32_t result = host::get_item(h, id, item, &next); result != 0) return result;
    }
    return 0;
}

}  // namespace qrv::gather

// Adds to para and text (not cleared first) the changes between the first
// item of itemId's chunk and itemId.  0 when the walk reaches the item (or
// meets an id that does not grow); else the code of the failed fetch.  37
// for a null record.
extern "C" QRVAPI uint32_t CUGatherChunkStateInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CUTextChangeInfo *text,
                                                  CHHandle h, uint32_t itemId) {
    if (!para || !text) return QRV_E_NOT_FOUND;
    return qrv::gather::gather_chunk_state(sheet, *para, *text, h, itemId);
}
