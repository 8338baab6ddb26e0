#include "memory/cache/entries.hpp"

#include <qrvex/memory.h>

#include <cstring>

namespace qrv::cache {
namespace {

unsigned char *slot_bytes(const MUCache &cache, uint32_t index) {
    return reinterpret_cast<unsigned char *>(cache.pSlots) + size_t{index} * sizeof(MUCacheSlot);
}

}  // namespace

MUCacheSlot load_slot(const MUCache &cache, uint32_t index) {
    MUCacheSlot slot;
    std::memcpy(&slot, slot_bytes(cache, index), sizeof slot);
    return slot;
}

void store_slot(MUCache &cache, uint32_t index, const MUCacheSlot &slot) {
    std::memcpy(slot_bytes(cache, index), &slot, sizeof slot);
}

void lock_slots(MUCache &cache) {
    if (cache.pSlots == nullptr && cache.hSlots != nullptr)
        cache.pSlots = static_cast<MUCacheSlot *>(MULock(cache.hSlots));
}

uint32_t find_entry(const MUCache &cache, uint32_t key) {
    if (cache.pSlots == nullptr) return kNoEntry;
    for (uint32_t i = 0; i < cache.Count; ++i)
        if (load_slot(cache, i).Key == key) return i;
    return kNoEntry;
}

uint32_t oldest_entry(const MUCache &cache) {
    uint32_t oldest = 0;
    uint32_t oldestStamp = load_slot(cache, 0).Stamp;
    for (uint32_t i = 1; i < cache.Count; ++i) {
        const uint32_t stamp = load_slot(cache, i).Stamp;
        if (stamp < oldestStamp) {
            oldest = i;
            oldestStamp = stamp;
        }
    }
    return oldest;
}

void mark_used(MUCache &cache, uint32_t index) {
    MUCacheSlot slot = load_slot(cache, index);
    slot.Stamp = ++cache.Clock;
    store_slot(cache, index, slot);
}

}  // namespace qrv::cache
