/* Block cache: equal-sized records under 32-bit keys, least recently used out. */
#ifndef QRVEX_CACHE_H
#define QRVEX_CACHE_H

#include "memory.h"

QRV_BEGIN_DECLS

/* MUCache.flags: when the cache is full, a new key replaces the least
 * recently used entry; without it adding to a full cache is refused. */
#define MU_CACHE_REPLACE_OLDEST 0x1u

/* One slot of the slot array.  The data block holds dataSize + 1 bytes and
 * stays locked from its allocation to the cache's deinitialisation, so the
 * pointers MUCacheRetrieve hands out never move. */
typedef struct MUCacheSlot {
    QRVHGLOBAL hData;  /* data block (memory block handle) */
    void *pData;       /* its data pointer */
    uint32_t Key;
    uint32_t Stamp;    /* the cache clock at the entry's last use */
} MUCacheSlot;

/* The cache record; the caller owns it, MUCacheInit sets it up.  Entries in
 * use are slots 0 to Count - 1. */
typedef struct MUCache {
    uint32_t Flags;         /* MU_CACHE_REPLACE_OLDEST */
    uint16_t Count;         /* entries in use */
    uint16_t Allocated;     /* slots that exist, each with its data block */
    uint16_t GrowthStep;    /* slots added per growth; never 0 */
    uint16_t Capacity;      /* most entries held; at least 2 */
    uint32_t Clock;         /* rises at every add, update and successful retrieval */
    uint32_t DataSize;      /* bytes of data per entry */
    uint32_t CallerValue;   /* the caller's own, not used by the library */
    uint32_t Reserved;
    QRVHGLOBAL hSlots;      /* block of the slot array; 0 until the first add */
    MUCacheSlot *pSlots;    /* the slot array while locked, else 0 */
} MUCache;

#if QRV_PTR32
QRV_LAYOUT_ASSERT(sizeof(MUCacheSlot) == 16, "MUCacheSlot is 16 bytes");
QRV_LAYOUT_ASSERT(offsetof(MUCacheSlot, Key) == 8, "MUCacheSlot.Key at 8");
QRV_LAYOUT_ASSERT(offsetof(MUCacheSlot, Stamp) == 12, "MUCacheSlot.Stamp at 12");
QRV_LAYOUT_ASSERT(sizeof(MUCache) == 36, "MUCache is 36 bytes");
QRV_LAYOUT_ASSERT(offsetof(MUCache, hSlots) == 28, "MUCache.hSlots at 28");
QRV_LAYOUT_ASSERT(offsetof(MUCache, pSlots) == 32, "MUCache.pSlots at 32");
#else
QRV_LAYOUT_ASSERT(sizeof(MUCacheSlot) == 24, "MUCacheSlot is 24 bytes");
QRV_LAYOUT_ASSERT(offsetof(MUCacheSlot, Key) == 16, "MUCacheSlot.Key at 16");
QRV_LAYOUT_ASSERT(offsetof(MUCacheSlot, Stamp) == 20, "MUCacheSlot.Stamp at 20");
QRV_LAYOUT_ASSERT(sizeof(MUCache) == 48, "MUCache is 48 bytes");
QRV_LAYOUT_ASSERT(offsetof(MUCache, hSlots) == 32, "MUCache.hSlots at 32");
QRV_LAYOUT_ASSERT(offsetof(MUCache, pSlots) == 40, "MUCache.pSlots at 40");
#endif
QRV_LAYOUT_ASSERT(offsetof(MUCache, Count) == 4, "MUCache.Count at 4");
QRV_LAYOUT_ASSERT(offsetof(MUCache, Capacity) == 10, "MUCache.Capacity at 10");
QRV_LAYOUT_ASSERT(offsetof(MUCache, Clock) == 12, "MUCache.Clock at 12");
QRV_LAYOUT_ASSERT(offsetof(MUCache, Reserved) == 24, "MUCache.Reserved at 24");

QRVAPI void MUCacheInit(uint16_t capacity, uint16_t growthStep, uint32_t dataSize, uint32_t flags,
                        uint32_t callerValue, MUCache *cache, MUContext *context);
QRVAPI uint32_t MUCacheAdd(const void *data, uint32_t key, MUCache *cache, uint32_t *pBytesHeld);
QRVAPI void *MUCacheRetrieve(uint32_t key, MUCache *cache);
QRVAPI void MUCacheDeinit(MUCache *cache, MUContext *context);
QRVAPI void MUCacheLock(MUCache *cache);
QRVAPI void MUCacheUnlock(MUCache *cache);

QRV_END_DECLS

#endif
