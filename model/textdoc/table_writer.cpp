#include "table_writer.hpp"

#include <qrvmodel/conventions.hpp>

#include <algorithm>

namespace qrv::import::textdoc {
namespace {

// Cell records set aside for a row at its first cell (Word's tables have
// at most 63 columns), and then a few at a time.
constexpr size_t kSetAsideAtOnce = 64;
constexpr uint32_t kSetAsideMore = 16;

// Grid columns whose vertical merges are followed; covered cells further
// right are written as cells of their own.
constexpr size_t kMergedColumns = 1024;

template <typename Record>
std::span<const uint8_t> bytes_of(const Record &record) {
    return {reinterpret_cast<const uint8_t *>(&record), sizeof record};
}

}  // namespace

void TableWriter::begin_table(const TableStart &table) {
    out_.table_begin();
    OpenTable t;
    t.grid = table.grid;
    t.origins.resize(table.grid.size());
    open_.push_back(std::move(t));
}

void TableWriter::begin_row(const RowStart &row) {
    if (open_.empty()) return;
    OpenTable &t = open_.back();
    if (t.row_open) end_row();
    CHTableRowRecord record{};
    record.Height = static_cast<uint32_t>(std::max(row.height, 0));
    record.Flags = row.header ? model::kHeaderRowFlag : 0;
    out_.item(CH_ITEM_TABLE_ROW, out_.store_data(CH_STORE_TABLE_ROWS, bytes_of(record)));
    t.row_open = true;
    t.column = row.cells_before;
    t.first_record = CH_NO_ITEM;
    t.set_aside = t.used = 0;
}

// Sets more records aside for the row: as many as its grid has columns
// left (a few dozen at most) at its first cell, a few more when they run
// out and nothing has come between.
void TableWriter::set_aside(OpenTable &t) {
    uint32_t records = 0;
    CHGetItemCount(out_.handle(), CH_STORE_TABLE_CELLS, &records);
    if (t.first_record != CH_NO_ITEM && records != t.first_record + t.set_aside) return;
    const size_t left = t.grid.size() > t.column ? t.grid.size() - t.column : 0;
    const uint32_t count = t.first_record == CH_NO_ITEM
                               ? static_cast<uint32_t>(std::clamp<size_t>(left, 1, kSetAsideAtOnce))
                               : kSetAsideMore;
    const CHTableCellRecord blank{};
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t id = out_.store_data(CH_STORE_TABLE_CELLS, bytes_of(blank));
        if (t.first_record == CH_NO_ITEM) t.first_record = id;
    }
    t.set_aside += count;
}

uint32_t TableWriter::cell_record(OpenTable &t) {
    if (t.used == t.set_aside) set_aside(t);
    if (t.used < t.set_aside) return t.first_record + t.used++;
    if (!warned_long_row_)
        diagnostics_.warn(
            "a table row has more cells than its grid has columns; the spans of its last cells are not kept");
    warned_long_row_ = true;
    ++t.used;
    return CH_NO_ITEM;
}

int32_t TableWriter::width_of(const OpenTable &t, const CellStart &cell) const {
    if (cell.width > 0) return cell.width;
    int32_t width = 0;
    for (size_t c = t.column; c < t.column + cell.column_span && c < t.grid.size(); ++c) width += t.grid[c];
    return width;
}

void TableWriter::write_over(const MergeOrigin &origin) {
    out_.rewrite_record(CH_STORE_TABLE_CELLS, origin.record, bytes_of(origin.cell));
}

void TableWriter::clear_origins(OpenTable &t, size_t from, size_t count) {
    for (size_t c = from; c < from + count && c < t.origins.size(); ++c) t.origins[c] = MergeOrigin{};
}

bool TableWriter::begin_cell(const CellStart &cell) {
    if (open_.empty()) return false;
    OpenTable &t = open_.back();
    if (t.cell_open) end_cell();
    if (!t.row_open) begin_row(RowStart{});
    const unsigned span = std::max(cell.column_span, 1u);
    const bool followed = t.column + span <= kMergedColumns;
    if (followed && t.origins.size() < t.column + span) t.origins.resize(t.column + span);
    MergeOrigin none;
    MergeOrigin &origin = followed ? t.origins[t.column] : none;
    if (cell.merge == VerticalMerge::Covered && origin.record != CH_NO_ITEM) {
        origin.cell.RowSpan = std::max(origin.cell.RowSpan, ++origin.rows);
        write_over(origin);
        t.column += span;
        return false;
    }
    CHTableCellRecord record{};
    record.Width = static_cast<uint32_t>(std::max(width_of(t, cell), 0));
    record.ColumnSpan = span;
    record.RowSpan = std::max(cell.row_span, 1u);
    const uint32_t id = cell_record(t);
    clear_origins(t, t.column, span);
    if (id != CH_NO_ITEM) {
        out_.rewrite_record(CH_STORE_TABLE_CELLS, id, bytes_of(record));
        out_.item(CH_ITEM_TABLE_CELL, id);
        if (followed && (cell.merge == VerticalMerge::Restart || cell.row_span > 1))
            t.origins[t.column] = {id, record, 1};
    }
    t.column += span;
    t.cell_open = true;
    return true;
}

void TableWriter::end_cell() {
    if (open_.empty() || !open_.back().cell_open) return;
    open_.back().cell_open = false;
    out_.break_item(CH_BREAK_CELL);
}

void TableWriter::end_row() {
    if (open_.empty() || !open_.back().row_open) return;
    end_cell();
    open_.back().row_open = false;
    out_.break_item(CH_BREAK_ROW);
}

void TableWriter::end_table() {
    if (open_.empty()) return;
    end_row();
    open_.pop_back();
    out_.table_end();
}

}  // namespace qrv::import::textdoc
