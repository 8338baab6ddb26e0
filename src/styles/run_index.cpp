#include "styles/run_index.hpp"

#include "chunk/navigate/run_snapshots.hpp"

#include <cstddef>
#include <new>

namespace qrv::styles {
RunIndex *RunIndex::of(const CUStyleSheet &sheet) { return chunk::RunSnapshots::style_index(sheet); }

void RunIndex::forget(const CUStyleSheet &sheet) { chunk::RunSnapshots::forget_style_index(sheet); }

void RunIndex::take_new_entries(const CUStyleSheet &sheet) {
    for (; indexed_ < sheet.StyleCount; ++indexed_) first_entry_.emplace(sheet.StyleTable[indexed_].Id, indexed_);
}

std::optional<uint32_t> RunIndex::entry_of(const CUStyleSheet &sheet, uint32_t style_id) {
    try {
        take_new_entries(sheet);
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
    const auto found = first_entry_.find(style_id);
    return found == first_entry_.end() ? kNoEntry : found->second;
}

std::optional<uint32_t> RunIndex::holder_of(uint32_t slot) const {
    if (slot >= holder_.size() || holder_[slot] == kNoEntry) return std::nullopt;
    return holder_[slot];
}

// A slot number that is an entry's own field makes that entry the holder;
// any other (a caller's variable) leaves the slot held by no entry.
void RunIndex::slot_given(const CUStyleSheet &sheet, uint32_t slot, const uint32_t *slot_number) {
    if (!knows_slots_) return;
    try {
        if (slot >= holder_.size()) holder_.resize(slot + 1, kNoEntry);
    } catch (const std::bad_alloc &) {
        knows_slots_ = false;  // the rotation searches from now on
        return;
    }
    holder_[slot] = kNoEntry;
    const auto field = reinterpret_cast<uintptr_t>(slot_number);
    const auto table = reinterpret_cast<uintptr_t>(sheet.StyleTable);
    if (!table || field < table || field >= table + uintptr_t{sheet.StyleCount} * sizeof(CUStyleEntry)) return;
    const auto offset = static_cast<size_t>(field - table);
    if (offset % sizeof(CUStyleEntry) == offsetof(CUStyleEntry, SlotNumber))
        holder_[slot] = static_cast<uint32_t>(offset / sizeof(CUStyleEntry));
}

}  // namespace qrv::styles
