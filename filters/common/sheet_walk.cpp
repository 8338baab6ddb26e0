#include "sheet_walk.hpp"

#include <qrvch.h>
#include <qrvex/cells.h>
#include <qrvex/lists.h>

#include <algorithm>
#include <vector>

#include "chars.hpp"
#include "conventions.hpp"

namespace qrv::filters {
namespace {

constexpr uint32_t kMaxColumns = 4096;
constexpr uint32_t kMaxRows = 1u << 24;

// A merged range, top left to bottom right, in rows and columns.
struct Merge {
    uint32_t top, left, bottom, right;
};

std::vector<Merge> read_merges(CHHandle h, const CHSectionInfo &info) {
    std::vector<Merge> merges;
    LUList *list = LUCreateList(16, 4, 4);
    if (!list) return merges;
    uint32_t limit = info.LastItemId == CH_NO_ITEM ? CH_NO_ITEM : info.LastItemId + 1;
    if (CUGetSSCellMergeInfo(info.FirstItemId, limit, list, h) == 0) {
        const auto *words = static_cast<const uint32_t *>(list->Items);
        for (uint32_t i = 0; i < list->ItemCount; ++i, words += 4) {
            // Each range holds its second end point first.
            merges.push_back({std::min(words[0], words[2]), std::min(words[1], words[3]),
                              std::max(words[0], words[2]), std::max(words[1], words[3])});
        }
    }
    LUFreeList(&list);
    return merges;
}

bool is_cell_item(uint32_t type) {
    return (type >= CH_ITEM_SS_CELL_70 && type <= CH_ITEM_SS_CELL_74) || type == CH_ITEM_EMPTY_CELLS;
}

bool ends_cell(uint32_t type) {
    return type == CH_ITEM_BREAK || type == CH_ITEM_CELL_END_45 || type == CH_ITEM_CELL_END_110 ||
           is_cell_item(type);
}

struct CellText {
    std::string text;
    bool numeric = false;
};

// The text of the cell whose first item is at begin: its text runs and its
// data values, shown through the cell's number format.
CellText read_cell(WalkContext &ctx, uint32_t begin, uint32_t section_last) {
    CellText cell;
    CHItem item{};
    uint32_t id = CH_NO_ITEM;
    if (CHGetItem(ctx.chunker, CH_STORE_ITEMS, begin, &item, &id) != 0) return cell;
    if (item.type == CH_ITEM_EMPTY_CELLS) return cell;
    const bool formatted = item.type == CH_ITEM_SS_CELL_70 || item.type == CH_ITEM_SS_CELL_71;
    const uint32_t format_key = formatted ? item.data1 : kGeneralFormatKey;
    const uint32_t end = std::min(CUFindSSDBCellEndId(id, ctx.chunker), section_last);
    std::u16string chars;
    for (unsigned guard = 0; id != CH_NO_ITEM && id <= end && guard < 4096; ++guard) {
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(ctx.chunker, CH_STORE_ITEMS, id, &item, &next) != 0 || ends_cell(item.type)) break;
        if (item.type == CH_ITEM_TEXT && read_text_run(ctx.chunker, item.value, item.data1, chars)) {
            cell.text += utf8_of(chars);
        } else if (item.type == CH_ITEM_DATA_VALUE) {
            cell.text += ctx.numbers.show(id, format_key);
            cell.numeric = true;
        }
        if (next != CH_NO_ITEM && next <= id) break;
        id = next;
    }
    return cell;
}

const Merge *merge_at(const std::vector<Merge> &merges, uint32_t row, uint32_t column, bool &covered) {
    covered = false;
    for (const auto &m : merges) {
        if (row < m.top || row > m.bottom || column < m.left || column > m.right) continue;
        if (row == m.top && column == m.left) return &m;
        covered = true;
    }
    return nullptr;
}

}  // namespace

uint32_t walk_sheet(WalkContext &ctx, uint32_t section, const CHSectionInfo &info) {
    CUSSSectionParams params{};
    if (uint32_t rc = CUGetSSSectionParams(section, &params, ctx.chunker)) return rc;
    const uint32_t columns = std::min(params.LineLength, kMaxColumns);
    const std::vector<Merge> merges = read_merges(ctx.chunker, info);

    CUSSCellState state{};
    state.SectionNumber = CH_NO_ITEM;
    ctx.writer.begin_sheet(section, columns);
    std::vector<uint32_t> begins(columns);
    for (uint32_t row = 0; row < kMaxRows && columns > 0; ++row) {
        bool any = false;
        for (uint32_t column = 0; column < columns; ++column) {
            begins[column] = CUGetSSCellBeginId(&state, section, row, column, ctx.chunker);
            any |= begins[column] != CH_NO_ITEM;
        }
        if (!any) break;
        ctx.writer.sheet_row_begin();
        for (uint32_t column = 0; column < columns; ++column) {
            if (!ctx.progress.tick()) break;
            bool covered = false;
            const Merge *merge = merge_at(merges, row, column, covered);
            if (covered) continue;
            CellFormat format;
            if (merge) {
                format.column_span = merge->right - merge->left + 1;
                format.row_span = merge->bottom - merge->top + 1;
            }
            CellText cell = begins[column] == CH_NO_ITEM ? CellText{} : read_cell(ctx, begins[column], info.LastItemId);
            format.numeric = cell.numeric;
            ctx.writer.sheet_cell(cell.text, format);
        }
        ctx.writer.sheet_row_end();
        if (ctx.progress.stopped()) break;
    }
    ctx.writer.end_sheet();
    return 0;
}

}  // namespace qrv::filters
