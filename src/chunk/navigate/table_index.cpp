#include "chunk/navigate/table_index.hpp"

#include <qrvex/navigate.h>

namespace qrv::chunk {

TableIndexWalk::TableIndexWalk(CHHandle h) : h_(h) {
    uint32_t count = 0;
    if (CHGetItemCount(h, CH_STORE_TABLE_INDEX, &count) != 0 || count == 0) return;
    if (CHGetItemId(h, CH_STORE_TABLE_INDEX, 0, &id_) != 0) return;
    remaining_ = count;
}

bool TableIndexWalk::next() {
    if (remaining_ == 0 || id_ == kNoItem) return false;
    const uint32_t current = id_;
    uint32_t following = kNoItem;
    if (CHGetItem(h_, CH_STORE_TABLE_INDEX, current, &entry_, &following) != 0) {
        remaining_ = 0;
        return false;
    }
    --remaining_;
    id_ = following > current ? following : kNoItem;
    return true;
}

}  // namespace qrv::chunk

using namespace qrv::chunk;

// Returns the store-0 id of the begin of the innermost table that holds id
// (a table begin counts as inside its own table).  The second argument is
// not read.  -1 when no table holds id, the index is empty or unreadable.
extern "C" QRVAPI uint32_t CUFindTableBeginId(uint32_t id, uint32_t /*unused*/, CHHandle h) {
    TableIndexWalk tables(h);
    int32_t depth = 0;
    int32_t remembered_depth = 0;
    uint32_t remembered_begin = kNoItem;
    while (tables.next()) {
        if (tables.is_begin()) {
            ++depth;
            if (tables.item_id() <= id) {
                remembered_begin = tables.item_id();
                remembered_depth = depth;
            }
        } else if (tables.is_end()) {
            if (tables.item_id() > id && depth == remembered_depth) return remembered_begin;
            --depth;
        }
    }
    return kNoItem;
}

// id is a table begin: returns the store-0 id of that table's end, passing
// over the tables nested in it.  Tables that begin before id are not
// counted, so for an id inside a table the end of the table holding it comes
// back.  -1 when no such end is listed or the index cannot be read.
extern "C" QRVAPI uint32_t CUFindTableEndId(uint32_t id, CHHandle h) {
    TableIndexWalk tables(h);
    uint16_t depth = 0;
    while (tables.next()) {
        if (tables.is_begin()) {
            if (tables.item_id() >= id) ++depth;
        } else if (tables.is_end()) {
            if (depth > 0 && --depth > 0) continue;
            if (tables.item_id() > id) return tables.item_id();
        }
    }
    return kNoItem;
}
