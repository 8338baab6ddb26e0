// The style sheet's internals: the style table, the slot rotation and the
// lookups shared by the style loader, the change walk and the list styles.
#pragma once

#include <qrvex/styles.h>

#include <cstdint>

namespace qrv::styles {

enum : uint32_t {
    kOk = QRV_OK,
    kNoMemory = QRV_E_NO_MEMORY,
    kBadArg = QRV_E_BAD_ARG,
    kBadStyle = QRV_E_BAD_STYLE,
    kNotFound = QRV_E_NOT_FOUND
};

inline constexpr uint32_t kNoStyle = CH_NO_ITEM;
inline constexpr uint32_t kStyleTableGrowth = 10;

// The slot number an entry holds while it has no slot.
inline uint32_t no_slot(const CUStyleSheet &sheet) { return sheet.SlotCount + 1; }

// Entries are reached by index every time: the table block moves when it
// grows, so an entry reference does not survive a nested load.
inline CUStyleEntry &entry_at(CUStyleSheet &sheet, uint32_t index) { return sheet.StyleTable[index]; }

// Index of the style in the table, appending an entry on first sight.
// Returns kOk or kNoMemory (the table could not grow; index is untouched).
uint32_t number_style(CUStyleSheet &sheet, uint32_t style_id, uint32_t &index);

// The slot for a slot number, taking the next one in rotation when the
// number is not a slot.  Null while the sheet has no slot array.
CUStyleSlot *slot_for(CUStyleSheet &sheet, uint32_t &slot_number);

void init_slot(CUStyleSlot &slot);

// The sheet's slot array, allocated on first use.  kOk, kNoMemory, or
// kBadArg for a sheet made without slots.
uint32_t ensure_slot_array(CUStyleSheet &sheet);

// Heading number + 1 of the style named by a string item ("Heading 3" -> 4).
uint32_t heading_level_of_name(CHHandle h, uint32_t name_item_id);
bool is_title_name(CHHandle h, uint32_t name_item_id);

// List styles: kOk or the code of the failing call (see CULoadListStyle).
uint32_t load_list_style(CUStyleSheet &sheet, uint32_t list_style_id);
uint32_t load_list_level(CUStyleSheet &sheet, uint32_t list_style_id, uint32_t level, CUListLevelRecord &out);
bool range_has_put_counter(CHHandle h, uint32_t id, uint32_t limit);

}  // namespace qrv::styles
