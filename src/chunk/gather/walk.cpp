// The attribute-change walk over the item stream.
#include "chunk/gather/handlers.hpp"

#include "host/chunker.hpp"
#include "styles/sheet.hpp"

namespace qrv::gather {

uint32_t run_changes(CUStyleSheet *sheet, Records records, ChangeCursor &cursor, CHHandle h, styles::Loader *loader) {
    if (cursor.pointed_id > cursor.last_id) return 0;
    Walk w{sheet, records, cursor.item, cursor.pointed_id, cursor.next, h, loader};
    // Ids must grow along the walk; one that does not ends it there, as an
    // item the walk does not handle would.
    for (;;) {
        const Handler handle = handler_for(w.item);
        if (!handle) return 0;
        if (const uint32_t result = handle(w); result != 0) return result;
        const uint32_t id = w.next;
        if (id < cursor.lowest_next) return 0;
        cursor.pointed_id = id;
        if (const uint32_t result = host::get_item(h, id, w.item, &w.next); result != 0) return result;
        if (id > cursor.last_id) return 0;
        if (w.next <= id) return 0;
        cursor.lowest_next = w.next;
    }
}

uint32_t gather_changes(CUStyleSheet *sheet, Records records, const CHItem &item, uint32_t &pointed_id,
                        uint32_t last_id, CHHandle h) {
    ChangeCursor cursor = start_changes(item, pointed_id, last_id);
    const uint32_t result = run_changes(sheet, records, cursor, h, nullptr);
    pointed_id = cursor.pointed_id;
    return result;
}

}  // namespace qrv::gather

// Gathers the attribute changes that start at item into the three records.
// *pNextId holds the id after item on entry; on return it holds the first id
// the walk did not consume (the item that stopped it, or the first id beyond
// lastId), or its entry value when item itself stopped the walk.  The walk
// ends at an item it does not handle, at a tag begin without bit 30, and at
// an id that does not grow (a looping document).
// Results: 0; the code of a failed style load (15 for a style item on a
// sheet made without slots), list level read or item fetch, unchanged; 37
// for a null record or id pointer.
extern "C" QRVAPI uint32_t CUGatherChangeInfo(CUStyleSheet *sheet, CUParaChangeInfo *para, CUTextChangeInfo *text,
                                              CUCellChangeInfo *cell, CHItem item, uint32_t *pNextId, uint32_t lastId,
                                              CHHandle h) {
    if (!para || !text || !cell || !pNextId) return qrv::styles::kNotFound;
    return qrv::gather::gather_changes(sheet, {*para, *text, *cell}, item, *pNextId, lastId, h);
}
