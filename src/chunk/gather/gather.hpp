// The attribute-change walk: attribute items turned into change records.
#pragma once

#include <qrvex/changes.h>
#include <qrvex/styles.h>

#include <cstdint>

namespace qrv::styles {
class Loader;
}

namespace qrv::gather {

struct Records {
    CUParaChangeInfo &para;
    CUTextChangeInfo &text;
    CUCellChangeInfo &cell;
};

// Where a change walk stands: the item to handle next and the ids around
// it.  Plain data, so that a walk stopped at a style item can be kept in a
// style load's frame and resumed once the style is loaded.
struct ChangeCursor {
    CHItem item;
    uint32_t pointed_id;   // the caller's id: the id after the first item, then each item's own
    uint32_t next;         // the id after item
    uint32_t lowest_next;  // ids must grow along the walk
    uint32_t last_id;
};

inline ChangeCursor start_changes(const CHItem &item, uint32_t pointed_id, uint32_t last_id) {
    return {item, pointed_id, pointed_id, pointed_id, last_id};
}

// Handles the cursor's item and the items after it up to last_id while they
// are attribute changes; pointed_id ends as the first id not consumed.  0 or
// the code of a failed style load or chunker call.  With a loader (the walk
// of a style's own definition) a style item whose style is not at hand
// gives styles::kStyleDeferred and leaves the cursor on that item: the
// loader loads the style and runs the walk on from there.  Without one, the
// style is loaded on the spot.
uint32_t run_changes(CUStyleSheet *sheet, Records records, ChangeCursor &cursor, CHHandle h, styles::Loader *loader);

// The whole walk from item at once, with styles loaded on the spot;
// pointed_id holds the id after item on entry and the first id not consumed
// on return.
uint32_t gather_changes(CUStyleSheet *sheet, Records records, const CHItem &item, uint32_t &pointed_id,
                        uint32_t last_id, CHHandle h);

}  // namespace qrv::gather
