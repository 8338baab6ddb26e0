// Finding and removing an item by an exact match of its leading bytes.
#include "list.hpp"

#include <cstring>

namespace qrv::lists {

int32_t find_exact(const LUList &list, const void *key, uint32_t key_length) {
    if (key_length > list.ItemSize || (key_length > 0 && !key)) return kNoIndex;
    for (uint32_t index = in_use(list); index-- > 0;)
        if (std::memcmp(slot(list, index), key, key_length) == 0) return static_cast<int32_t>(index);
    return kNoIndex;
}

uint32_t remove_exact(LUList &list, const void *key, uint32_t key_length) {
    const int32_t found = find_exact(list, key, key_length);
    if (found == kNoIndex) return QRV_E_NOT_FOUND;
    const uint32_t index = static_cast<uint32_t>(found);
    const uint32_t after = in_use(list) - index - 1;
    if (after > 0) std::memmove(slot(list, index), slot(list, index + 1), std::size_t{after} * list.ItemSize);
    pop(list);
    return QRV_OK;
}

}  // namespace qrv::lists

// Gives the highest index whose item starts with the keyLength bytes of key;
// a key length of 0 matches the last item.  -1 for a null or empty list, no
// match, or a key longer than an item.
extern "C" QRVAPI int32_t LUFindExactItem(LUList *list, const void *key, uint32_t keyLength) {
    if (!list) return qrv::lists::kNoIndex;
    return qrv::lists::find_exact(*list, key, keyLength);
}

// Removes the last item that starts with the keyLength bytes of key, keeping
// the order of the others: 0 on success (and for a null list), 37 for an
// empty list, no match or a key longer than an item.
extern "C" QRVAPI uint32_t LURemoveExactItem(LUList *list, const void *key, uint32_t keyLength) {
    if (!list) return QRV_OK;
    return qrv::lists::remove_exact(*list, key, keyLength);
}
