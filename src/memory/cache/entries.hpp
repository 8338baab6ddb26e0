// The cache's inner operations, shared by its exports.  Every one of them
// expects the cache to be locked (lock_slots) before it is called.
//
// The slot array lives 4 bytes past the start of its block, so in a 64-bit
// build its slots are not aligned for their pointer fields: slots are read
// and written whole by copy, never through a MUCacheSlot reference.
#pragma once

#include <qrvex/cache.h>

#include <cstdint>

namespace qrv::cache {

constexpr uint32_t kNoEntry = UINT32_MAX;

MUCacheSlot load_slot(const MUCache &cache, uint32_t index);
void store_slot(MUCache &cache, uint32_t index, const MUCacheSlot &slot);

// Locks the slot array when it is not locked yet; the pointer stays 0 when
// there is no slot array or the lock fails.
void lock_slots(MUCache &cache);

// The index of the entry in use with this key, searched from slot 0 up, or
// kNoEntry.
uint32_t find_entry(const MUCache &cache, uint32_t key);

// The entry in use with the smallest stamp; the first of equal stamps wins.
uint32_t oldest_entry(const MUCache &cache);

// Advances the clock and stamps the entry with it.
void mark_used(MUCache &cache, uint32_t index);

// Adds growth-step slots (never beyond capacity), each with its data block.
// On failure the cache keeps its slots and entries and the result is the
// allocation's code; the bytes of any block given back are uncounted again.
uint32_t add_slots(MUCache &cache, uint32_t *pBytesHeld);

}  // namespace qrv::cache
