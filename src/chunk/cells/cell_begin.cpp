// Finding the item where a spreadsheet cell begins, through the section's
// cell runs and a cursor the filter keeps between calls.
#include "cells.hpp"

namespace qrv::chunk::cells {
namespace {

constexpr uint32_t kInvalid = 0xFFFFFFFFu;

bool read_run(CHHandle h, uint32_t run_id, CHCellRun &run) {
    return CHGetItem(h, CH_STORE_CELL_RUNS, run_id, &run, nullptr) == 0;
}

bool next_run(CHHandle h, uint32_t &run_id, CHCellRun &run) {
    uint32_t next = 0;
    if (CHNextItemId(h, CH_STORE_CELL_RUNS, run_id, &next) != 0 || next <= run_id) return false;
    run_id = next;
    return read_run(h, run_id, run);
}

void enter_run(CUSSCellState &state, uint32_t run_id, const CHCellRun &run) {
    state.RunId = run_id;
    state.RunCellCount = run.CellCount;
    state.RunItemId = state.CursorItemId = run.FirstItemId;
    state.CursorCell = state.RunFirstCell;
}

// Reads the section afresh: its parameters, its last item, and the first of
// its cell runs (the first run that does not start in an earlier chunk).
bool load_section(CUSSCellState &state, uint32_t section, CHHandle h) {
    CUSSSectionParams params{};
    CHSectionInfo info{};
    uint32_t run_id = 0;
    CHCellRun run{};
    if (read_section_params(section, params, h) != QRV_OK) return false;
    state.LineLength = params.LineLength;
    state.ListLength = params.ListLength;
    state.SectionNumber = params.SectionNumber;
    state.LayoutValue1 = params.LayoutValue1;
    state.LayoutValue2 = params.LayoutValue2;
    state.ByColumn = params.ByColumn;
    state.ListItemId = params.ListItemId;
    if (CHGetSectionInfo(h, CH_STORE_SECTIONS, section, &info) != 0) return false;
    state.SectionLastId = info.LastItemId;
    if (CHGetItemId(h, CH_STORE_CELL_RUNS, 0, &run_id) != 0 || !read_run(h, run_id, run)) return false;
    while ((run.FirstItemId >> 16) < (info.FirstItemId >> 16))
        if (!next_run(h, run_id, run)) return false;
    if (run.FirstItemId > state.SectionLastId) {
        state.SectionNumber = kInvalid;
        return false;
    }
    state.FirstRunId = run_id;
    state.RunFirstCell = 0;
    enter_run(state, run_id, run);
    return true;
}

bool cell_number(const CUSSCellState &state, uint32_t first, uint32_t second, uint32_t &cell) {
    const uint32_t across = state.ByColumn ? first : second;
    const uint32_t down = state.ByColumn ? second : first;
    const uint64_t number = uint64_t{down} * state.LineLength + across;
    if (across >= state.LineLength || number >= kInvalid) return false;
    cell = static_cast<uint32_t>(number);
    return true;
}

bool in_current_run(const CUSSCellState &state, uint32_t cell) {
    return cell >= state.RunFirstCell && cell - state.RunFirstCell < state.RunCellCount;
}

// Makes the run that holds the cell current, walking on from the current
// run (or from the first one for an earlier cell).
bool find_run(CUSSCellState &state, uint32_t cell, CHHandle h) {
    uint32_t run_id = state.RunId;
    CHCellRun run{};
    if (cell < state.RunFirstCell) {
        run_id = state.FirstRunId;
        state.RunFirstCell = 0;
    }
    if (!read_run(h, run_id, run)) return false;
    state.RunCellCount = run.CellCount;
    if (run_id != state.RunId || !in_current_run(state, cell)) {
        while (cell - state.RunFirstCell >= run.CellCount) {
            state.RunFirstCell += run.CellCount;
            if (!next_run(h, run_id, run)) return false;
        }
        if (run.FirstItemId > state.SectionLastId) {
            state.RunFirstCell = kInvalid;
            return false;
        }
        enter_run(state, run_id, run);
    }
    return true;
}

uint32_t walk_to_cell(CUSSCellState &state, uint32_t cell, CHHandle h) {
    if (cell < state.CursorCell) {
        state.CursorCell = state.RunFirstCell;
        state.CursorItemId = state.RunItemId;
    }
    ForwardWalk walk(h, state.CursorItemId);
    while (walk.position() <= state.SectionLastId && walk.read()) {
        const CHItem &item = walk.item();
        state.CursorItemId = walk.item_id();
        if (is_cell(item)) {
            if (state.CursorCell == cell) return walk.item_id();
            ++state.CursorCell;
        } else if (item.type == CH_ITEM_EMPTY_CELLS) {
            if (uint64_t{state.CursorCell} + empty_run_length(item) > cell) return walk.item_id();
            state.CursorCell += empty_run_length(item);
        }
        if (!walk.advance()) break;
        state.CursorItemId = walk.position();
    }
    return kNoItem;
}

}  // namespace

uint32_t cell_begin(CUSSCellState &state, uint32_t section, uint32_t first, uint32_t second, CHHandle h) {
    if (state.SectionNumber != section && !load_section(state, section, h)) return kNoItem;
    uint32_t cell = 0;
    if (!cell_number(state, first, second, cell)) return kNoItem;
    if (!find_run(state, cell, h)) return kNoItem;
    return walk_to_cell(state, cell, h);
}

}  // namespace qrv::chunk::cells

// Gives the id of the item that begins the cell at (firstIndex,
// secondIndex) of the section: a cell item, or the empty-cell run that
// covers it.  Cell numbers run along lines of LineLength cells (down the
// columns for a by-column section).  The state caches the section's runs and
// a cursor, so cells asked for in increasing order cost one walk from the
// previous one; another section resets it.  -1 when an index is out of
// range, the cell lies beyond the section (the walk stops at its last
// item), or a chunker call fails; the state then stays as far as it got,
// with SectionNumber -1 when the section's runs lie beyond it.
extern "C" QRVAPI uint32_t CUGetSSCellBeginId(CUSSCellState *state, uint32_t section, uint32_t firstIndex,
                                              uint32_t secondIndex, CHHandle h) {
    if (!state) return qrv::chunk::kNoItem;
    return qrv::chunk::cells::cell_begin(*state, section, firstIndex, secondIndex, h);
}
