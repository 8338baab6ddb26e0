// The style table: styles numbered in the order they are first met.
#include "styles/sheet.hpp"

#include "styles/run_index.hpp"

namespace qrv::styles {

namespace {

uint32_t grow_table(CUStyleSheet &sheet) {
    const uint32_t capacity = sheet.StyleCapacity + kStyleTableGrowth;
    void *data = sheet.StyleTable;
    const uint32_t result =
        MUAllocateMemory(&sheet.StyleTableHandle, &data, capacity * sizeof(CUStyleEntry), &sheet.Memory.BytesHeld);
    if (result != kOk) {
        // A failed growth leaves the old block unlocked; lock it again so the
        // table stays usable and the sheet can still be destroyed.
        if (sheet.StyleTableHandle) sheet.StyleTable = static_cast<CUStyleEntry *>(MULock(sheet.StyleTableHandle));
        return result;
    }
    sheet.StyleTable = static_cast<CUStyleEntry *>(data);
    sheet.StyleCapacity = capacity;
    return kOk;
}

// The table is searched with a 16-bit counter, as the run's index knows.
std::optional<uint32_t> search_table(const CUStyleSheet &sheet, uint32_t style_id) {
    if (RunIndex *run = RunIndex::of(sheet)) {
        const std::optional<uint32_t> entry = run->entry_of(sheet, style_id);
        if (entry && *entry == RunIndex::kNoEntry) return std::nullopt;
        if (entry && sheet.StyleTable[*entry].Id == style_id) return entry;
    }
    for (uint16_t i = 0; i < sheet.StyleCount; ++i)
        if (sheet.StyleTable[i].Id == style_id) return i;
    return std::nullopt;
}

}  // namespace

uint32_t number_style(CUStyleSheet &sheet, uint32_t style_id, uint32_t &index) {
    if (const std::optional<uint32_t> found = search_table(sheet, style_id)) {
        index = *found;
        return kOk;
    }
    if (sheet.StyleCount >= 0xFFFF) return kNoMemory;
    if (sheet.StyleCount >= sheet.StyleCapacity) {
        if (const uint32_t result = grow_table(sheet); result != kOk) return result;
    }
    CUStyleEntry &added = sheet.StyleTable[sheet.StyleCount];
    added = CUStyleEntry{};
    added.Id = style_id;
    added.SlotNumber = no_slot(sheet);
    index = sheet.StyleCount++;
    return kOk;
}

}  // namespace qrv::styles

// Index of the style in the table, appending an entry on first sight.
// -1 for a null sheet; 13 when the table cannot grow.  The table is walked
// with a 16-bit counter: it holds at most 65535 styles, and a style beyond
// that gives 13 as if the memory had run out.
extern "C" QRVAPI int32_t CIStyleNumber(CUStyleSheet *sheet, uint32_t styleId) {
    if (!sheet) return -1;
    uint32_t index = 0;
    if (const uint32_t result = qrv::styles::number_style(*sheet, styleId, index); result != 0)
        return static_cast<int32_t>(result);
    return static_cast<int32_t>(index);
}
