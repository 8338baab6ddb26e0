// Growing the slot array.  The array block itself never shrinks, so after a
// failure it may be larger than Allocated slots need; the extra slots stay
// zero and the block's size word keeps the byte counter honest at release.
#include "memory/cache/entries.hpp"

#include <algorithm>

namespace qrv::cache {
namespace {

uint32_t grow_slot_array(MUCache &cache, uint32_t slotCount, uint32_t *pBytesHeld) {
    void *data = cache.pSlots;
    const uint32_t result =
        MUAllocateMemory(&cache.hSlots, &data, slotCount * uint32_t{sizeof(MUCacheSlot)}, pBytesHeld);
    // A failed growth leaves the old array under its handle but unlocked.
    cache.pSlots = result == QRV_OK ? static_cast<MUCacheSlot *>(data) : nullptr;
    if (result != QRV_OK) lock_slots(cache);
    return result;
}

void release_data_blocks(MUCache &cache, uint32_t first, uint32_t end, uint32_t *pBytesHeld) {
    for (uint32_t i = first; i < end; ++i) {
        MUCacheSlot slot = load_slot(cache, i);
        MUFreeMemory(&slot.hData, &slot.pData, pBytesHeld);
        store_slot(cache, i, MUCacheSlot{});
    }
}

}  // namespace

uint32_t add_slots(MUCache &cache, uint32_t *pBytesHeld) {
    const uint32_t first = cache.Allocated;
    const uint32_t end = std::min<uint32_t>(first + cache.GrowthStep, cache.Capacity);
    if (uint32_t result = grow_slot_array(cache, end, pBytesHeld); result != QRV_OK) return result;
    for (uint32_t i = first; i < end; ++i) {
        MUCacheSlot slot{};
        if (uint32_t result = MUAllocateMemory(&slot.hData, &slot.pData, cache.DataSize + 1, pBytesHeld);
            result != QRV_OK) {
            release_data_blocks(cache, first, i, pBytesHeld);
            return result;
        }
        store_slot(cache, i, slot);
    }
    cache.Allocated = static_cast<uint16_t>(end);
    return QRV_OK;
}

}  // namespace qrv::cache
