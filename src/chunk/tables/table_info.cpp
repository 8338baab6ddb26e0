// The shape of a table: its rows, their cells and where the chunker keeps
// their descriptions.
#include "chunk/tables/row_array.hpp"
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

#include <algorithm>

using namespace qrv::chunk;

namespace {

constexpr uint32_t kMaxRows = 0xFFFF;  // RowCount is 16-bit

class TableWalk {
public:
    TableWalk(CUTableInfo &info, uint32_t given_id, CHHandle h)
        : info_(info), given_id_(given_id), h_(h), walk_(h, info.TableBeginId) {}

    uint32_t run();

private:
    CUTableRow &current_row() { return info_.Rows[info_.RowCount]; }
    uint32_t on_row_end();
    bool skip_nested_table();
    uint32_t walk_failure() const;

    CUTableInfo &info_;
    uint32_t given_id_;
    CHHandle h_;
    ForwardWalk walk_;
    uint32_t capacity_ = qrv::tables::kFirstRowCapacity;
};

uint32_t TableWalk::walk_failure() const {
    return walk_.status() == WalkStatus::kReadFailed ? walk_.chunker_result() : uint32_t{QRV_E_INCONSISTENT};
}

uint32_t TableWalk::on_row_end() {
    if (info_.RowMark == 0 && given_id_ > walk_.next_id()) info_.RowMark = info_.RowCount;
    info_.MaxCells = std::max(info_.MaxCells, current_row().CellCount);
    if (info_.RowCount == kMaxRows) return QRV_E_NO_MEMORY;
    ++info_.RowCount;
    if (info_.RowCount >= capacity_) {
        capacity_ += qrv::tables::kRowCapacityStep;
        if (qrv::tables::reserve_rows(info_, capacity_) != 0) return QRV_E_NO_MEMORY;
    }
    qrv::tables::start_row(info_, info_.RowCount);
    return QRV_OK;
}

// The walk goes on after the nested table's end.
bool TableWalk::skip_nested_table() {
    const uint32_t end = CUFindTableEndId(walk_.item_id(), h_);
    if (end == kNoItem || end <= walk_.item_id()) return false;
    walk_ = ForwardWalk(h_, end);
    return walk_.read() && walk_.advance();
}

uint32_t TableWalk::run() {
    while (walk_.read()) {
        const CHItem &item = walk_.item();
        bool skip_tag = false;
        switch (item.type) {
        case CH_ITEM_TABLE_BEGIN:
            if (info_.InTable == 0) {
                info_.InTable = 1;
            } else if (!skip_nested_table()) {
                return walk_failure();
            } else {
                continue;
            }
            break;
        case CH_ITEM_TABLE_END: return info_.RowCount > 0 ? uint32_t{QRV_OK} : uint32_t{QRV_E_NO_ROWS};
        case CH_ITEM_BREAK:
            if (item.value == CH_BREAK_ROW) {
                if (const uint32_t result = on_row_end()) return result;
            } else if (item.value == CH_BREAK_CELL) {
                ++current_row().CellCount;
            }
            break;
        case CH_ITEM_TABLE_ROW:
            if (current_row().RowItemId == kNoItem) current_row().RowItemId = item.value;
            break;
        case CH_ITEM_TABLE_CELL:
            if (current_row().FirstCellId == kNoItem) current_row().FirstCellId = item.value;
            break;
        case CH_ITEM_TAG_BEGIN: skip_tag = is_skippable_tag(item.value); break;
        default: break;
        }
        if (!walk_.pass(skip_tag)) break;
    }
    return walk_failure();
}

}  // namespace

// Walks the innermost table around id (or beginning at id) and fills info:
// RowCount row ends, MaxCells, RowMark (the rows ended before id) and for
// every row its cell count and first row and cell ids.  Nested tables are
// passed over whole, so their rows and cells are not counted.  RowsHandle
// must be 0 or the block of an earlier walk of this record, which is reused.
// 0 when the table has a row; 9 when it has none; 37 when no table holds id
// or info is null; 13 when the row array cannot grow (also past 65535 rows);
// the chunker's code when a read fails, also when the items end before the
// table's end (the read of the id -1 past the last item); 18 when ids stop
// growing or a nested table has no end.  After a failure the counts gathered so
// far stay and the row array must still be freed with CUFreeTableInfo.
// Every row that becomes current starts with no cells, also in a reused
// block.
extern "C" QRVAPI uint32_t CUGetTableInfo(uint32_t id, CUTableInfo *info, CHHandle h) {
    if (!info) return QRV_E_NOT_FOUND;
    const uint32_t begin = CUFindTableBeginId(id, 1, h);
    if (begin == kNoItem) return QRV_E_NOT_FOUND;
    info->RowCount = 0;
    info->RowMark = 0;
    info->MaxCells = 0;
    info->InTable = 0;
    info->TableBeginId = begin;
    info->Memory = MUContext{};
    if (const uint32_t result = qrv::tables::reserve_rows(*info, qrv::tables::kFirstRowCapacity)) return result;
    qrv::tables::start_row(*info, 0);
    return TableWalk(*info, id, h).run();
}

// Frees the row array and clears RowsHandle.  0 (also for a null record).
extern "C" QRVAPI uint32_t CUFreeTableInfo(CUTableInfo *info) {
    if (info) qrv::tables::free_rows(*info);
    return QRV_OK;
}
