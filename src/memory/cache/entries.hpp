// The cache's inner operations, shared by its exports.  Every one of them
// expects the cache to be locked (lock_slots) before it is called.
//
// The slot array lives 4 bytes past the start of its block, so in a 64-bit
// build its slots are not aligned for their pointer fields: slots are read
// and written whole by copy, never through a MUCacheSlot reference.
#pragma once

#include <qrvex/cache.h>
#include <qrvex/memory.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qrv::cache {

constexpr uint32_t kNoEntry = UINT32_MAX;

// The bytes of one slot's field (the lookups below read and write single
// fields, which a retrieval per formatted value makes worth it).
inline unsigned char *slot_field(const MUCache &cache, uint32_t index, size_t offset) {
    return reinterpret_cast<unsigned char *>(cache.pSlots) + size_t{index} * sizeof(MUCacheSlot) + offset;
}

inline MUCacheSlot load_slot(const MUCache &cache, uint32_t index) {
    MUCacheSlot slot;
    std::memcpy(&slot, slot_field(cache, index, 0), sizeof slot);
    return slot;
}

inline void store_slot(MUCache &cache, uint32_t index, const MUCacheSlot &slot) {
    std::memcpy(slot_field(cache, index, 0), &slot, sizeof slot);
}

inline void *data_of(const MUCache &cache, uint32_t index) {
    void *data;
    std::memcpy(&data, slot_field(cache, index, offsetof(MUCacheSlot, pData)), sizeof data);
    return data;
}

// Locks the slot array when it is not locked yet; the pointer stays 0 when
// there is no slot array or the lock fails.
inline void lock_slots(MUCache &cache) {
    if (cache.pSlots == nullptr && cache.hSlots != nullptr)
        cache.pSlots = static_cast<MUCacheSlot *>(MULock(cache.hSlots));
}

// The index of the entry in use with this key, searched from slot 0 up, or
// kNoEntry.
inline uint32_t find_entry(const MUCache &cache, uint32_t key) {
    if (cache.pSlots == nullptr) return kNoEntry;
    for (uint32_t i = 0; i < cache.Count; ++i) {
        uint32_t slotKey;
        std::memcpy(&slotKey, slot_field(cache, i, offsetof(MUCacheSlot, Key)), sizeof slotKey);
        if (slotKey == key) return i;
    }
    return kNoEntry;
}

// The entry in use with the smallest stamp; the first of equal stamps wins.
uint32_t oldest_entry(const MUCache &cache);

// Advances the clock and stamps the entry with it.
inline void mark_used(MUCache &cache, uint32_t index) {
    const uint32_t stamp = ++cache.Clock;
    std::memcpy(slot_field(cache, index, offsetof(MUCacheSlot, Stamp)), &stamp, sizeof stamp);
}

// The data of the entry with this key, marked as just used, or null.
inline void *retrieve(MUCache &cache, uint32_t key) {
    lock_slots(cache);
    const uint32_t index = find_entry(cache, key);
    if (index == kNoEntry) return nullptr;
    mark_used(cache, index);
    return data_of(cache, index);
}

// Adds growth-step slots (never beyond capacity), each with its data block.
// On failure the cache keeps its slots and entries and the result is the
// allocation's code; the bytes of any block given back are uncounted again.
uint32_t add_slots(MUCache &cache, uint32_t *pBytesHeld);

}  // namespace qrv::cache
