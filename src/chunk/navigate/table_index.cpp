#include "chunk/navigate/table_index.hpp"

#include "chunk/navigate/run_snapshots.hpp"

#include <qrvex/navigate.h>

#include <optional>

using namespace qrv::chunk;

namespace {

// Depth of table nesting at id: begins minus ends listed at or before it.
int32_t table_depth_at(CHHandle h, uint32_t id) {
    TableIndexWalk tables(h);
    int32_t depth = 0;
    while (tables.next() && tables.item_id() <= id) {
        if (tables.is_begin()) ++depth;
        if (tables.is_end()) --depth;
    }
    return depth;
}

}  // namespace

// Returns the store-0 id of the begin of the innermost table that holds id
// (a table begin counts as inside its own table, its end does not).  The
// second argument is not read.  The index is read twice: once for the
// nesting depth at id, then for the last begin at or before id that opened
// that depth, so an id that follows a nested table inside an outer one is
// still inside the outer table.  -1 when no table holds id, the index is
// empty or cannot be read.  During an export run the index read by the
// first search answers the later ones.
extern "C" QRVAPI uint32_t CUFindTableBeginId(uint32_t id, uint32_t /*unused*/, CHHandle h) {
    if (const TableSnapshot *snapshot = RunSnapshots::tables(h)) return snapshot->begin_around(id);
    const int32_t wanted_depth = table_depth_at(h, id);
    if (wanted_depth <= 0) return kNoItem;
    TableIndexWalk tables(h);
    int32_t depth = 0;
    uint32_t begin = kNoItem;
    while (tables.next() && tables.item_id() <= id) {
        if (tables.is_begin() && ++depth == wanted_depth) begin = tables.item_id();
        if (tables.is_end()) --depth;
    }
    return begin;
}

// id is a table begin: returns the store-0 id of that table's end, passing
// over the tables nested in it.  Tables that begin before id are not
// counted, so for an id inside a table the end of the table holding it comes
// back.  -1 when no such end is listed or the index cannot be read.
extern "C" QRVAPI uint32_t CUFindTableEndId(uint32_t id, CHHandle h) {
    if (const TableSnapshot *snapshot = RunSnapshots::tables(h))
        if (const std::optional<uint32_t> end = snapshot->end_of(id)) return *end;
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
