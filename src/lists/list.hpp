// The item list's own operations, shared by its exports, the counter track,
// the document tree and the cell merge lists.  Every function takes a valid
// list; the exports check for null before calling in.
#pragma once

#include <qrvex/lists.h>

#include <cstddef>
#include <cstdint>

namespace qrv::lists {

inline constexpr int32_t kNoIndex = -1;

inline uint32_t in_use(const LUList &list) { return list.Capacity - static_cast<uint32_t>(list.FreeSlots); }

inline std::byte *slot(const LUList &list, uint32_t index) {
    return static_cast<std::byte *>(list.Items) + std::size_t{index} * list.ItemSize;
}

template <typename T>
T &item_at(const LUList &list, uint32_t index) {
    return *reinterpret_cast<T *>(slot(list, index));
}

LUList *create(uint32_t item_size, uint32_t capacity, uint32_t grow_by);
void destroy(LUList *&list);
bool resize(LUList &list, uint32_t capacity);
// A full list grows by its step; false (list unchanged) when it cannot.
bool make_room(LUList &list);
int32_t append(LUList &list, const void *item);
void *pop(LUList &list);
int32_t find_exact(const LUList &list, const void *key, uint32_t key_length);
uint32_t add_sorted(LUList &list, const void *item, uint32_t key_width, uint32_t flags);
uint32_t remove_exact(LUList &list, const void *key, uint32_t key_length);
uint32_t insert(LUList &list, const void *item, int32_t index);

}  // namespace qrv::lists
