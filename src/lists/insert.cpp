// Inserting an item at an index.
#include "list.hpp"

#include <cstring>

namespace qrv::lists {
namespace {

constexpr int32_t kAppend = -1;

uint32_t append_result(LUList &list, const void *item) {
    return append(list, item) == kNoIndex ? QRV_E_NO_MEMORY : QRV_OK;
}

}  // namespace

uint32_t insert(LUList &list, const void *item, int32_t index) {
    if (index == kAppend) return append_result(list, item);
    if (index < 0 || static_cast<uint32_t>(index) > in_use(list)) return QRV_E_INCONSISTENT;
    if (!make_room(list)) return QRV_E_INCONSISTENT;
    const uint32_t at = static_cast<uint32_t>(index);
    const uint32_t count = in_use(list);
    if (at == count) return append_result(list, item);
    std::memmove(slot(list, at + 1), slot(list, at), std::size_t{count - at} * list.ItemSize);
    if (item) std::memcpy(slot(list, at), item, list.ItemSize);
    --list.FreeSlots;
    ++list.ItemCount;
    list.NextFree = static_cast<std::byte *>(list.NextFree) + list.ItemSize;
    return QRV_OK;
}

}  // namespace qrv::lists

// Inserts a copy of the item at index, moving the items from there on up by
// one; index -1 or the number of items in use appends.  0 on success; 13
// when appending fails; 18 for a null list, when a full list cannot grow
// (also with a growth step of 0), or for an index other than -1 that lies
// beyond the items in use (the list is then unchanged).  A null item takes
// the slot without writing it.
extern "C" QRVAPI uint32_t LUInsertItem(LUList *list, const void *item, int32_t index) {
    if (!list) return QRV_E_INCONSISTENT;
    return qrv::lists::insert(*list, item, index);
}
