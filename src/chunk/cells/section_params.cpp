// A spreadsheet or database section's parameters, read from its first items.
#include "cells.hpp"

namespace qrv::chunk::cells {
namespace {

// Counts the entries of a column or field list into LineLength, up to the
// list's end; false when the walk fails.
bool count_entries(ForwardWalk &walk, CUSSSectionParams &params, uint32_t entry, uint32_t list_end) {
    params.ListItemId = walk.item_id();
    while (walk.advance() && walk.read()) {
        if (walk.item().type == entry) ++params.LineLength;
        if (walk.item().type == list_end) {
            params.ListLength = params.LineLength;
            return true;
        }
    }
    return false;
}

// One item of the section's head; false when the walk failed inside a list.
bool take_item(ForwardWalk &walk, CUSSSectionParams &params) {
    const CHItem &item = walk.item();
    switch (item.type) {
    case CH_ITEM_SS_BY_COLUMN:
        params.ByColumn = 1;
        params.LineLength = item.data1;
        return true;
    case CH_ITEM_COLUMN_LIST_BEGIN:
        return params.ByColumn || count_entries(walk, params, CH_ITEM_COLUMN_ENTRY, CH_ITEM_COLUMN_LIST_END);
    case CH_ITEM_FIELD_LIST_BEGIN: return count_entries(walk, params, CH_ITEM_FIELD_ENTRY, CH_ITEM_FIELD_LIST_END);
    case CH_ITEM_SECTION_LAYOUT:
        params.LayoutValue1 = item.value;
        params.LayoutValue2 = item.data1;
        return true;
    default: return true;
    }
}

}  // namespace

uint32_t read_section_params(uint32_t section, CUSSSectionParams &params, CHHandle h) {
    uint32_t entry_id = 0;
    CHItem entry{};
    if (uint32_t result = CHGetItemId(h, CH_STORE_SECTIONS, section, &entry_id)) return result;
    if (uint32_t result = CHGetItem(h, CH_STORE_SECTIONS, entry_id, &entry, nullptr)) return result;
    params.SectionNumber = section;
    params.ByColumn = params.LineLength = params.ListLength = 0;
    ForwardWalk walk(h, entry.data2);
    while (walk.read()) {
        if (walk.item().type == CH_ITEM_BREAK) return QRV_OK;
        if (!take_item(walk, params) || !walk.advance()) break;
    }
    return walk_failure(walk);
}

}  // namespace qrv::chunk::cells

// Reads the parameters of a section from its items up to the first break:
// line length (from the by-column item, plus one per column or field entry;
// a column list after a by-column item is not counted), the list item, and
// the two layout values.  0 at the break; the chunker's code when a read
// fails, also when the items end before a break (the read of the id -1
// past the last item); 37 when ids stop growing before a break.
extern "C" QRVAPI uint32_t CUGetSSSectionParams(uint32_t section, CUSSSectionParams *params, CHHandle h) {
    if (!params) return QRV_E_INCONSISTENT;
    return qrv::chunk::cells::read_section_params(section, *params, h);
}
