// Setting a cache up, locking and unlocking its slot array, and releasing it.
#include "memory/cache/entries.hpp"

#include <qrvex/memory.h>

extern "C" {

// Sets up an empty cache; a capacity below 2 becomes 2 and a growth step of
// 0 becomes 2.  Counts the cache in the context.  Reserved keeps whatever
// the caller put there.
QRVAPI void MUCacheInit(uint16_t capacity, uint16_t growthStep, uint32_t dataSize, uint32_t flags, uint32_t callerValue,
                        MUCache *cache, MUContext *context) {
    if (cache != nullptr) {
        cache->Count = 0;
        cache->Allocated = 0;
        cache->Clock = 0;
        cache->hSlots = nullptr;
        cache->pSlots = nullptr;
        cache->Flags = flags;
        cache->Capacity = capacity < 2 ? 2 : capacity;
        cache->GrowthStep = growthStep == 0 ? 2 : growthStep;
        cache->DataSize = dataSize;
        cache->CallerValue = callerValue;
    }
    if (context != nullptr) ++context->CacheCount;
}

// Locks the slot array again after MUCacheUnlock; every other cache
// operation does this itself.
QRVAPI void MUCacheLock(MUCache *cache) {
    if (cache != nullptr) qrv::cache::lock_slots(*cache);
}

// Lets the slot array move between calls.  Entry data blocks stay locked, so
// pointers from MUCacheRetrieve stay valid.
QRVAPI void MUCacheUnlock(MUCache *cache) {
    if (cache == nullptr || cache->pSlots == nullptr || cache->hSlots == nullptr) return;
    MUUnlock(cache->hSlots);
    cache->pSlots = nullptr;
}

// Releases every block of the cache against the context's byte counter and
// uncounts the cache; the record may be initialised again afterwards.
QRVAPI void MUCacheDeinit(MUCache *cache, MUContext *context) {
    if (context != nullptr) --context->CacheCount;
    if (cache == nullptr || cache->Allocated == 0) return;
    uint32_t scratch = 0;
    uint32_t *counter = context != nullptr ? &context->BytesHeld : &scratch;
    qrv::cache::lock_slots(*cache);
    if (cache->pSlots != nullptr) {
        for (uint32_t i = 0; i < cache->Allocated; ++i) {
            MUCacheSlot slot = qrv::cache::load_slot(*cache, i);
            if (slot.hData != nullptr) MUFreeMemory(&slot.hData, &slot.pData, counter);
        }
        void *data = cache->pSlots;
        MUFreeMemory(&cache->hSlots, &data, counter);
    }
    cache->pSlots = nullptr;
    cache->hSlots = nullptr;
    cache->Count = 0;
    cache->Allocated = 0;
    cache->Clock = 0;
}

}  // extern "C"
