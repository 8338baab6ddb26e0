// What a style sheet's table looks like to the lookups of one export run.
//
// Numbering a style searches the style table from its first entry, and
// handing out a slot in rotation looks at every entry for the ones that
// held it, so loading each of many styles (a long chain of based-on styles
// loads them all) costs the square of their number.  During an export run
// the table is the library's alone to write: entries are only appended,
// their ids never change, and a slot number is only given by the rotation.
// The run keeps, for each sheet it meets, the first entry of each style id
// and the entry each slot was last given to, extended over the entries
// appended since, so both lookups answer without the search.  Outside a
// run the sheet is searched as before.
#pragma once

#include <qrvex/styles.h>

#include "memory/global_allocator.hpp"

#include <cstdint>
#include <optional>

namespace qrv::styles {

class RunIndex {
public:
    // Slots given before the index was made are not known to it: a sheet
    // that has handed out slots already (the rotation has moved on from its
    // first slot) is rotated by the search.
    explicit RunIndex(const CUStyleSheet &sheet) : sheet_(&sheet), knows_slots_(sheet.NextSlot == 0) {}

    // The index of the run's open scope for sheet; null outside a run or
    // when memory ran out.
    static RunIndex *of(const CUStyleSheet &sheet);
    // A destroyed sheet's index goes with it (another may take its address).
    static void forget(const CUStyleSheet &sheet);

    const CUStyleSheet *sheet() const { return sheet_; }
    static constexpr uint32_t kNoEntry = 0xFFFFFFFFu;

    // The first entry holding style_id, kNoEntry when none does; nothing
    // when memory ran out bringing the index up to date (search instead).
    std::optional<uint32_t> entry_of(const CUStyleSheet &sheet, uint32_t style_id);
    // False when the holders of slots are not known (see above).
    bool knows_slots() const { return knows_slots_; }
    // The entry slot was last given to, the only one that may hold it.
    std::optional<uint32_t> holder_of(uint32_t slot) const;
    void slot_given(const CUStyleSheet &sheet, uint32_t slot, const uint32_t *slot_number);

private:
    void take_new_entries(const CUStyleSheet &sheet);

    const CUStyleSheet *sheet_;
    bool knows_slots_;
    uint32_t indexed_ = 0;
    memory::GlobalHashMap<uint32_t, uint32_t> first_entry_;
    memory::GlobalVector<uint32_t> holder_;
};

}  // namespace qrv::styles
