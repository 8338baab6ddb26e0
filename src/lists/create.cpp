// Making and freeing a list: the record block and the item block.
#include "block.hpp"
#include "list.hpp"

#include <qrvplatform/platform.h>

namespace qrv::lists {
namespace {

LUList *lock_new_record() {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(LUList));
    if (!block) return nullptr;
    auto *list = static_cast<LUList *>(GlobalLock(block));
    if (!list) {
        GlobalFree(block);
        return nullptr;
    }
    list->RecordBlock = block;
    return list;
}

void release_block(HGLOBAL block) {
    GlobalUnlock(block);
    GlobalFree(block);
}

bool attach_items(LUList &list, uint32_t capacity) {
    const auto bytes = item_block_bytes(list.ItemSize, capacity);
    if (!bytes) return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, *bytes);
    if (!block) return false;
    void *items = GlobalLock(block);
    if (!items) {
        GlobalFree(block);
        return false;
    }
    list.ItemBlock = block;
    list.Items = list.NextFree = items;
    return true;
}

}  // namespace

LUList *create(uint32_t item_size, uint32_t capacity, uint32_t grow_by) {
    LUList *list = lock_new_record();
    if (!list) return nullptr;
    list->RecordSize = sizeof(LUList);
    list->GrowBy = grow_by;
    list->ItemSize = item_size;
    list->Capacity = capacity;
    list->FreeSlots = static_cast<int32_t>(capacity);
    list->ItemCount = 0;
    list->Items = list->NextFree = nullptr;
    list->ItemBlock = nullptr;
    if (capacity == 0) return list;
    if (!attach_items(*list, capacity)) {
        release_block(list->RecordBlock);
        return nullptr;
    }
    return list;
}

void destroy(LUList *&list) {
    if (!list) return;
    if (list->ItemBlock) release_block(list->ItemBlock);
    release_block(list->RecordBlock);
    list = nullptr;
}

}  // namespace qrv::lists

// Makes a list of items of itemSize bytes with room for initialCapacity of
// them, growing by growBy items whenever a full list takes one more.  Gives
// the locked record, or 0 with nothing left allocated.  A capacity of 0
// makes a list without an item block; such a list refuses every addition.
// A capacity above 0x7FFFFFFF items, or one whose bytes do not fit 32 bits,
// is refused (0).
extern "C" QRVAPI LUList *LUCreateList(uint32_t itemSize, uint32_t initialCapacity, uint32_t growBy) {
    if (initialCapacity > INT32_MAX) return nullptr;
    return qrv::lists::create(itemSize, initialCapacity, growBy);
}

// Frees the list *pList names and sets *pList to 0; a null *pList is left
// alone.
extern "C" QRVAPI void LUFreeList(LUList **pList) {
    if (!pList) return;
    qrv::lists::destroy(*pList);
}
