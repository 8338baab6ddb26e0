// A spreadsheet section's merged cell ranges.
#include "cells.hpp"

#include "lists/list.hpp"

namespace qrv::chunk::cells {
namespace {

bool find_merge_list(ForwardWalk &walk, uint32_t limit) {
    while (walk.position() < limit && walk.read()) {
        if (walk.item().type == CH_ITEM_MERGE_LIST_BEGIN) return true;
        if (!walk.advance()) return false;
    }
    return false;
}

}  // namespace

uint32_t gather_merges(uint32_t id, uint32_t limit, LUList *ranges, CHHandle h) {
    ForwardWalk walk(h, id);
    if (!find_merge_list(walk, limit)) return walk.failed() ? walk_failure(walk) : uint32_t{QRV_OK};
    while (walk.advance() && walk.read()) {
        const CHItem first = walk.item();
        if (first.type == CH_ITEM_MERGE_LIST_END) return QRV_OK;
        if (first.type != CH_ITEM_MERGE_POINT) continue;
        if (!walk.advance() || !walk.read() || walk.item().type != CH_ITEM_MERGE_POINT) return QRV_E_BAD_ARG;
        const CUSSMergeRange range{walk.item().value, walk.item().data1, first.value, first.data1};
        if (ranges && ranges->ItemSize <= sizeof range) lists::append(*ranges, &range);
    }
    return walk_failure(walk);
}

}  // namespace qrv::chunk::cells

// From id, finds the merge list (looking no further than the item before
// limit) and adds one CUSSMergeRange per pair of merge points to the list
// of 16-byte items; a range the list cannot take is dropped.  0 at the
// merge list's end or when no merge list comes before limit; 15 when a merge
// point has no partner; the chunker's code when a read fails, also when the
// items end inside the list (the read of the id -1 past the last item); 37
// when ids stop growing there.
extern "C" QRVAPI uint32_t CUGetSSCellMergeInfo(uint32_t id, uint32_t limit, LUList *mergeList, CHHandle h) {
    return qrv::chunk::cells::gather_merges(id, limit, mergeList, h);
}
