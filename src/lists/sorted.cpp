// Keeping items in ascending order of a leading 16- or 32-bit key.
#include "list.hpp"

#include <cstring>

namespace qrv::lists {
namespace {

// Sorted lists count their items in 16 bits.
constexpr uint32_t kMaxSortedItems = 0xFFFF;

uint32_t key_of(const void *item, uint32_t key_width) {
    const auto *bytes = static_cast<const unsigned char *>(item);
    uint32_t key = 0;
    for (uint32_t i = key_width; i-- > 0;) key = (key << 8) | bytes[i];
    return key;
}

// The place where an item with this key goes: after every smaller key (and,
// with duplicates allowed, after every equal one).
uint32_t sorted_place(const LUList &list, uint32_t count, uint32_t key, uint32_t key_width) {
    uint32_t place = count;
    while (place > 0 && key_of(slot(list, place - 1), key_width) > key) --place;
    return place;
}

}  // namespace

uint32_t add_sorted(LUList &list, const void *item, uint32_t key_width, uint32_t flags) {
    if ((key_width != 2 && key_width != 4) || key_width > list.ItemSize || !item) return QRV_E_NOT_FOUND;
    const uint32_t count = in_use(list);
    if (count >= kMaxSortedItems) return QRV_E_NOT_FOUND;
    const uint32_t key = key_of(item, key_width);
    const uint32_t place = sorted_place(list, count, key, key_width);
    const bool duplicate = place > 0 && key_of(slot(list, place - 1), key_width) == key;
    if (duplicate && !(flags & LU_SORTED_ALLOW_DUPLICATES)) return QRV_OK;
    if (append(list, item) == kNoIndex) return QRV_E_NOT_FOUND;
    if (place == count) return QRV_OK;
    std::memmove(slot(list, place + 1), slot(list, place), std::size_t{count - place} * list.ItemSize);
    std::memcpy(slot(list, place), item, list.ItemSize);
    return QRV_OK;
}

}  // namespace qrv::lists

// Adds the item at its place in ascending order of the unsigned
// little-endian key of keyWidth (2 or 4) bytes at its start.  With bit 0 of
// flags clear an item whose key is already present is not added (result 0);
// with it set the item goes after the items of equal key.  37 for a null
// list or item, another key width, a key wider than an item, a list already
// holding 65535 items, or a full list that cannot grow; the list is then
// unchanged.
extern "C" QRVAPI uint32_t LUAddSortedItem(LUList *list, const void *item, uint32_t keyWidth, uint32_t flags) {
    if (!list) return QRV_E_NOT_FOUND;
    return qrv::lists::add_sorted(*list, item, keyWidth, flags);
}
