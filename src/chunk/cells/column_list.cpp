// The widths and name ids of a section's columns or fields.
#include "cells.hpp"

namespace qrv::chunk::cells {
namespace {

constexpr uint32_t kTwipsPerUnit = 120;
constexpr uint32_t kNoWidth = 0xFFFFFFFFu;

uint32_t entry_width(const CHItem &entry) {
    const uint32_t flags = entry.type == CH_ITEM_COLUMN_ENTRY ? entry.data2 & 0xFFu : entry.data2;
    uint32_t width = flags & 1u ? entry.value * kTwipsPerUnit : flags & 2u ? entry.value : kNoWidth;
    if (entry.type == CH_ITEM_COLUMN_ENTRY && (flags & 4u)) width = 0;
    return width;
}

uint32_t entry_name(const CHItem &entry) { return entry.data1; }

bool is_list_begin(const CHItem &item) {
    return item.type == CH_ITEM_COLUMN_LIST_BEGIN || item.type == CH_ITEM_FIELD_LIST_BEGIN;
}
bool is_list_end(const CHItem &item) {
    return item.type == CH_ITEM_COLUMN_LIST_END || item.type == CH_ITEM_FIELD_LIST_END;
}
bool is_entry(const CHItem &item) { return item.type == CH_ITEM_COLUMN_ENTRY || item.type == CH_ITEM_FIELD_ENTRY; }

uint32_t gather_entries(uint32_t id, uint32_t *words, uint32_t (*word_of)(const CHItem &), CHHandle h) {
    ForwardWalk walk(h, id);
    for (;;) {
        if (!walk.read()) return walk_failure(walk);
        if (is_list_begin(walk.item())) break;
        if (walk.item().type == CH_ITEM_BREAK) return QRV_E_NOT_FOUND;
        if (!walk.advance()) return walk_failure(walk);
    }
    for (;;) {
        if (!walk.advance() || !walk.read()) return walk_failure(walk);
        if (is_list_end(walk.item())) return QRV_OK;
        if (is_entry(walk.item())) *words++ = word_of(walk.item());
    }
}

}  // namespace
}  // namespace qrv::chunk::cells

// From id on, finds the next column or field list and stores one width per
// entry: value x 120 with flag bit 0, value with bit 1, else -1; a column
// entry with bit 2 gets 0.  The array must hold one word per entry.  0 at
// the list's end; 37 when a break comes before a list (or ids stop
// growing); the chunker's code when a read fails, also when the items end
// first (the read of the id -1 past the last item).
extern "C" QRVAPI uint32_t CUGatherSSDBCellWidths(uint32_t id, uint32_t *widths, CHHandle h) {
    if (!widths) return QRV_E_INCONSISTENT;
    return qrv::chunk::cells::gather_entries(id, widths, qrv::chunk::cells::entry_width, h);
}

// As CUGatherSSDBCellWidths, storing each entry's name id instead.
extern "C" QRVAPI uint32_t CUFindSSDBCellNameIds(uint32_t id, uint32_t *nameIds, CHHandle h) {
    if (!nameIds) return QRV_E_INCONSISTENT;
    return qrv::chunk::cells::gather_entries(id, nameIds, qrv::chunk::cells::entry_name, h);
}
