#include "table_walk.hpp"

#include <qrvch.h>
#include <qrvex/navigate.h>
#include <qrvex/tables.h>

#include "model.hpp"
#include "flow.hpp"

namespace qrv::filters {
namespace {

// The row array of a table, released however the walk ends.
struct TableShape {
    CUTableInfo info{};
    uint32_t status = 0;
    TableShape(uint32_t begin_id, CHHandle h) { status = CUGetTableInfo(begin_id, &info, h); }
    ~TableShape() { CUFreeTableInfo(&info); }
    TableShape(const TableShape &) = delete;
    TableShape &operator=(const TableShape &) = delete;

    CellFormat cell(unsigned row, unsigned column, CHHandle h) {
        CellFormat format;
        CHTableCellRecord record{};
        if (status != 0 || row >= info.RowCount || row > 0xFFFF || column > 0xFFFF) return format;
        if (info.Rows[row].FirstCellId == CH_NO_ITEM) return format;
        if (CUGetCellInfo(&info, static_cast<uint16_t>(row), static_cast<uint16_t>(column), &record, h) != 0)
            return format;
        if (record.ColumnSpan > 1 && record.ColumnSpan < 1000) format.column_span = record.ColumnSpan;
        if (record.RowSpan > 1 && record.RowSpan < 1000) format.row_span = record.RowSpan;
        CHTableRowRecord row_record{};
        format.header =
            CUGetRowInfo(&info, static_cast<uint16_t>(row), &row_record, h) == 0 && (row_record.Flags & kHeaderRowFlag);
        return format;
    }
};

bool read_item(WalkContext &ctx, uint32_t id, CHItem &item, uint32_t &next) {
    return ctx.items.get(id, item, next) == 0;
}

}  // namespace

uint32_t walk_table(WalkContext &ctx, uint32_t begin_id, uint32_t last, unsigned depth, uint32_t &after) {
    const CHHandle h = ctx.chunker;
    TableShape shape(begin_id, h);
    uint32_t end = CUFindTableEndId(begin_id, h);
    if (end == CH_NO_ITEM || end > last) end = last;  // an unended table runs to the bound

    CHItem item{};
    uint32_t id = CH_NO_ITEM;
    if (!read_item(ctx, begin_id, item, id)) return CH_ERR_NO_ITEM;

    ctx.writer.begin_table(shape.status == 0 ? shape.info.MaxCells : 0);
    unsigned row = 0, column = 0;
    bool row_open = false;
    uint32_t result = shape.status == QRV_E_NO_ROWS ? 0 : shape.status;
    after = CH_NO_ITEM;
    while (id != CH_NO_ITEM && id <= end) {
        uint32_t next = CH_NO_ITEM;
        if (!read_item(ctx, id, item, next)) {
            result = CH_ERR_NO_ITEM;
            break;
        }
        if (item.type == CH_ITEM_TABLE_END) {
            after = next;
            break;
        }
        if (item.type == CH_ITEM_BREAK && item.value == CH_BREAK_ROW) {
            if (!row_open) ctx.writer.begin_row();
            ctx.writer.end_row();
            row_open = false;
            ++row;
            column = 0;
            id = next;
            continue;
        }
        if (!row_open) ctx.writer.begin_row();
        row_open = true;
        ctx.writer.begin_cell(shape.cell(row, column, h));
        Flow flow(ctx, depth);
        FlowStop stop;
        uint32_t rc = flow.walk(id, end, stop);
        ctx.writer.end_cell();
        ++column;
        if (rc != 0) {
            result = rc;
            break;
        }
        if (stop.id == CH_NO_ITEM) break;  // ran to the bound
        if (stop.item.type == CH_ITEM_BREAK && stop.item.value == CH_BREAK_ROW) {
            ctx.writer.end_row();
            row_open = false;
            ++row;
            column = 0;
        } else if (stop.item.type == CH_ITEM_TABLE_END) {
            after = stop.next;
            break;
        }
        if (stop.next != CH_NO_ITEM && stop.next <= id) break;
        id = stop.next;
    }
    if (row_open) ctx.writer.end_row();
    ctx.writer.end_table();
    if (after == CH_NO_ITEM && end != last) read_item(ctx, end, item, after);
    if (after != CH_NO_ITEM && after <= begin_id) after = CH_NO_ITEM;
    return result;
}

}  // namespace qrv::filters
