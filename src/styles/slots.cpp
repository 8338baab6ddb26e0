// Style slots: a fixed number of them, handed out in rotation.
#include "styles/sheet.hpp"

#include "styles/run_index.hpp"

#include <qrvplatform/platform.h>

#include <cstdint>
#include <cstring>

namespace qrv::styles {

void init_slot(CUStyleSlot &slot) {
    std::memset(&slot, 0, sizeof slot);
    slot.Cell.Item147Value = 5;
    slot.Cell.Item148Value = 0x20000;
    slot.Cell.Item150Value = 0;
    slot.Cell.Item153Value = 0xFFFFFFFFu;
}

uint32_t ensure_slot_array(CUStyleSheet &sheet) {
    if (sheet.SlotArray) return kOk;
    if (sheet.SlotCount == 0) return kBadArg;
    const uint64_t bytes = uint64_t{sheet.SlotCount} * sizeof(CUStyleSlot);
    if (bytes > 0x7FFFFFFFu) return kNoMemory;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, static_cast<size_t>(bytes));
    if (!handle) return kNoMemory;
    void *slots = GlobalLock(handle);
    if (!slots) {
        GlobalFree(handle);
        return kNoMemory;
    }
    std::memset(slots, 0, static_cast<size_t>(bytes));
    sheet.SlotArrayHandle = handle;
    sheet.SlotArray = static_cast<CUStyleSlot *>(slots);
    return kOk;
}

namespace {

// Every entry that held the slot loses it.  During a run only the entry the
// slot was last given to can hold it.
void take_slot_from_holders(CUStyleSheet &sheet, const RunIndex *run, uint32_t taken) {
    if (run && run->knows_slots()) {
        const std::optional<uint32_t> holder = run->holder_of(taken);
        if (holder && *holder < sheet.StyleCount && sheet.StyleTable[*holder].SlotNumber == taken)
            sheet.StyleTable[*holder].SlotNumber = no_slot(sheet);
        return;
    }
    for (uint16_t i = 0; i < sheet.StyleCount; ++i)
        if (sheet.StyleTable[i].SlotNumber == taken) sheet.StyleTable[i].SlotNumber = no_slot(sheet);
}

}  // namespace

CUStyleSlot *slot_for(CUStyleSheet &sheet, uint32_t &slot_number) {
    if (!sheet.SlotArray) return nullptr;
    if (slot_number < sheet.SlotCount) return &sheet.SlotArray[slot_number];
    if (sheet.NextSlot >= sheet.SlotCount) sheet.NextSlot = 0;
    const uint32_t taken = sheet.NextSlot;
    RunIndex *run = RunIndex::of(sheet);
    take_slot_from_holders(sheet, run, taken);
    slot_number = taken;
    if (run) run->slot_given(sheet, taken, &slot_number);
    ++sheet.NextSlot;
    CUStyleSlot &slot = sheet.SlotArray[taken];
    std::memset(&slot, 0, sizeof slot);
    return &slot;
}

}  // namespace qrv::styles

// Sets a slot to the state of a style without attributes: all zero, with the
// cell values 5, 0x20000, 0 and -1 in words 2, 3, 4 and 8.  Always 0.
extern "C" QRVAPI uint32_t CIInitSlot(CUStyleSlot *slot, uint32_t /*unused*/) {
    if (slot) qrv::styles::init_slot(*slot);
    return 0;
}

// The slot of a slot number.  A number that names no slot takes the next
// slot in rotation: every style that held it loses it, the slot is zeroed
// and its number written back.  Null for a null sheet or number pointer, and
// while the sheet has no slot array yet (the first CULoadStyle makes it;
// a sheet of 0 slots never has one).
extern "C" QRVAPI CUStyleSlot *CIGetSlot(CUStyleSheet *sheet, uint32_t *pSlotNumber) {
    if (!sheet || !pSlotNumber) return nullptr;
    return qrv::styles::slot_for(*sheet, *pSlotNumber);
}
