// Adding at the end and popping from the end.
#include "list.hpp"

#include <cstring>

namespace qrv::lists {

int32_t append(LUList &list, const void *item) {
    if (!make_room(list)) return kNoIndex;
    --list.FreeSlots;
    ++list.ItemCount;
    if (item) std::memcpy(list.NextFree, item, list.ItemSize);
    list.NextFree = static_cast<std::byte *>(list.NextFree) + list.ItemSize;
    return static_cast<int32_t>(in_use(list) - 1);
}

void *pop(LUList &list) {
    if (list.FreeSlots >= static_cast<int32_t>(list.Capacity)) return nullptr;
    ++list.FreeSlots;
    --list.ItemCount;
    list.NextFree = static_cast<std::byte *>(list.NextFree) - list.ItemSize;
    return list.NextFree;
}

}  // namespace qrv::lists

// Appends a copy of the item's ItemSize bytes (a null item takes the slot
// without writing it) and gives the new item's index; -1 for a null list or
// when a full list cannot grow.  A full list with a growth step of 0 cannot
// grow, nor can a list made with capacity 0: both refuse (-1).
extern "C" QRVAPI int32_t LUAddItem(LUList *list, const void *item) {
    if (!list) return qrv::lists::kNoIndex;
    return qrv::lists::append(*list, item);
}

// Removes the last item and gives the address of its bytes, which stay
// readable there until the slot is used again; 0 for a null or empty list.
extern "C" QRVAPI void *LURemoveItem(LUList *list) {
    if (!list) return nullptr;
    return qrv::lists::pop(*list);
}
