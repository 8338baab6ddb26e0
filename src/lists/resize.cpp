// Growing and shrinking the item block.
#include "block.hpp"
#include "list.hpp"

#include <qrvplatform/platform.h>

#include <algorithm>

namespace qrv::lists {
namespace {

// The block keeps at least one byte so that a list shrunk to nothing still
// owns its item block and can grow again.
std::optional<std::size_t> block_bytes(const LUList &list, uint32_t capacity) {
    const auto bytes = item_block_bytes(list.ItemSize, capacity);
    if (!bytes) return std::nullopt;
    return std::max<std::size_t>(*bytes, 1);
}

int32_t free_slots_after(const LUList &list, uint32_t capacity) {
    const int64_t slots = int64_t{list.FreeSlots} + int64_t{capacity} - int64_t{list.Capacity};
    if (capacity <= list.Capacity && slots < 1) return 0;
    return static_cast<int32_t>(slots);
}

void relock_items(LUList &list, HGLOBAL block) {
    const uint32_t used = in_use(list);
    list.ItemBlock = block;
    list.Items = GlobalLock(block);
    list.NextFree = slot(list, used);
}

}  // namespace

bool resize(LUList &list, uint32_t capacity) {
    if (!list.ItemBlock || capacity > INT32_MAX) return false;
    const auto bytes = block_bytes(list, capacity);
    if (!bytes) return false;
    GlobalUnlock(list.ItemBlock);
    // On failure the block keeps its contents and the list its fields; the
    // block stays unlocked until the next resize locks it again.
    HGLOBAL moved = GlobalReAlloc(list.ItemBlock, *bytes, GMEM_MOVEABLE);
    if (!moved) return false;
    list.FreeSlots = free_slots_after(list, capacity);
    list.Capacity = capacity;
    relock_items(list, moved);
    return true;
}

bool make_room(LUList &list) {
    if (list.FreeSlots >= 1) return true;
    list.FreeSlots = 0;
    const uint64_t grown = uint64_t{list.Capacity} + list.GrowBy;
    if (list.GrowBy == 0 || grown > INT32_MAX) return false;
    return resize(list, static_cast<uint32_t>(grown));
}

}  // namespace qrv::lists

// Sets the list's capacity to newCapacity items: 1 on success, 0 for a null
// list or when the block cannot be reallocated.  A list shrunk below its
// items in use keeps the first newCapacity of them; ItemCount is left as it
// is.  On failure the list keeps its items and fields and its item block is
// left unlocked (the block does not move while nothing reallocates it, so
// the items stay readable; the next successful resize locks it again).  A
// list made with capacity 0 has no item block and cannot be resized (0).
extern "C" QRVAPI uint32_t LUResizeList(LUList *list, uint32_t newCapacity) {
    if (!list) return 0;
    return qrv::lists::resize(*list, newCapacity) ? 1 : 0;
}
