// The character changes ahead of a text run.
#include "chunk/gather/gather.hpp"
#include "chunk/gather/type_set.hpp"

#include "host/chunker.hpp"

#include <qrvex/gather.h>

namespace qrv::gather {

namespace {

constexpr TypeSet kCharacterChanges{8, 9, 10, 25, 28, {60, 65}, 94, 95, 119};

}  // namespace

uint32_t gather_text_info(CUStyleSheet *sheet, CUTextChangeInfo &text, uint32_t next_id, CHItem item, CHHandle h) {
    CUParaChangeInfo scratch_para{};
    CUCellChangeInfo scratch_cell{};
    text.ChangeFlags = 0;
    uint32_t id = next_id;
    uint32_t saved = id;
    while (kCharacterChanges.contains(item.type)) {
        gather_changes(sheet, {scratch_para, text, scratch_cell}, item, id, CH_NO_ITEM, h);
        id = saved;
        if (host::get_item(h, id, item, &saved) != 0) return id;
        if (saved <= id) return id;
    }
    return id;
}

}  // namespace qrv::gather

// Gathers every character change from item on: each item of the run of
// character change items that starts there begins an unbounded change walk
// into text (its ChangeFlags start at 0, the fields keep their content).
// Returns the id of the first item after the one passed in that is not a
// character change, or nextId when item is none; the id of a failed fetch;
// an id whose following id does not grow.  A null text returns nextId.
extern "C" QRVAPI uint32_t CUGatherTextInfo(CUStyleSheet *sheet, CUTextChangeInfo *text, uint32_t nextId, CHItem item,
                                            CHHandle h) {
    if (!text) return nextId;
    return qrv::gather::gather_text_info(sheet, *text, nextId, item, h);
}
