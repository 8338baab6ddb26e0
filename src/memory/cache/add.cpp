// Adding and looking up entries.
#include "memory/cache/entries.hpp"

#include <cstring>

namespace qrv::cache {
namespace {

void store(MUCache &cache, uint32_t index, const void *data, uint32_t key) {
    MUCacheSlot slot = load_slot(cache, index);
    if (cache.DataSize != 0 && data != nullptr) std::memcpy(slot.pData, data, cache.DataSize);
    slot.Key = key;
    store_slot(cache, index, slot);
    mark_used(cache, index);
}

// The slot a new key goes to, or kNoEntry with the reason in result.
uint32_t slot_for_new_key(MUCache &cache, uint32_t *pBytesHeld, uint32_t &result) {
    if (cache.Count < cache.Capacity) {
        if (cache.Count == cache.Allocated) {
            result = add_slots(cache, pBytesHeld);
            if (result != QRV_OK) return kNoEntry;
        }
        return cache.Count++;
    }
    if ((cache.Flags & MU_CACHE_REPLACE_OLDEST) == 0) {
        result = QRV_E_NOT_FOUND;
        return kNoEntry;
    }
    return oldest_entry(cache);
}

}  // namespace
}  // namespace qrv::cache

extern "C" {

// Stores dataSize bytes under the key: an existing key is overwritten, a new
// key takes a free slot (growing the slot array by its step) or, with
// MU_CACHE_REPLACE_OLDEST on a full cache, the least recently used entry.
// Growth is counted in *pBytesHeld.  Results: 0; 37 for a null cache or a
// full cache without replacement; 13 when growth cannot get memory (or the
// slot array cannot be locked), and then the cache is left as it was.
QRVAPI uint32_t MUCacheAdd(const void *data, uint32_t key, MUCache *cache, uint32_t *pBytesHeld) {
    using namespace qrv::cache;
    if (cache == nullptr) return QRV_E_NOT_FOUND;
    lock_slots(*cache);
    if (cache->hSlots != nullptr && cache->pSlots == nullptr) return QRV_E_NO_MEMORY;
    uint32_t index = find_entry(*cache, key);
    uint32_t result = QRV_OK;
    if (index == kNoEntry) index = slot_for_new_key(*cache, pBytesHeld, result);
    if (index == kNoEntry) return result;
    store(*cache, index, data, key);
    return QRV_OK;
}

// The data of the entry with this key, marked as just used, or 0 when the
// key is absent (then nothing changes).  The pointer stays valid until the
// entry is replaced or the cache released.
QRVAPI void *MUCacheRetrieve(uint32_t key, MUCache *cache) {
    using namespace qrv::cache;
    return cache == nullptr ? nullptr : retrieve(*cache, key);
}

}  // extern "C"
