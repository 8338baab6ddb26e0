/** @file
 * Block cache: equal-sized records under 32-bit keys, least recently used out. */
#ifndef QRVEX_CACHE_H
#define QRVEX_CACHE_H

#include "memory.h"

QRV_BEGIN_DECLS

/** MUCache.flags: when the cache is full, a new key replaces the least
 * recently used entry; without it adding to a full cache is refused. */
#define MU_CACHE_REPLACE_OLDEST 0x1u

/** One slot of the slot array.  The data block holds dataSize + 1 bytes and
 * stays locked from its allocation to the cache's deinitialisation, so the
 * pointers MUCacheRetrieve hands out never move. */
typedef struct MUCacheSlot {
    QRVHGLOBAL hData; /**< data block (memory block handle) */
    void *pData;      /**< its data pointer */
    uint32_t Key;     /**< the entry's key */
    uint32_t Stamp;   /**< the cache clock at the entry's last use */
} MUCacheSlot;

/** The cache record; the caller owns it, MUCacheInit sets it up.  Entries in
 * use are slots 0 to Count - 1. */
typedef struct MUCache {
    uint32_t Flags;       /**< MU_CACHE_REPLACE_OLDEST */
    uint16_t Count;       /**< entries in use */
    uint16_t Allocated;   /**< slots that exist, each with its data block */
    uint16_t GrowthStep;  /**< slots added per growth; never 0 */
    uint16_t Capacity;    /**< most entries held; at least 2 */
    uint32_t Clock;       /**< rises at every add, update and successful retrieval */
    uint32_t DataSize;    /**< bytes of data per entry */
    uint32_t CallerValue; /**< the caller's own, not used by the library */
    uint32_t Reserved;    /**< not used */
    QRVHGLOBAL hSlots;    /**< block of the slot array; 0 until the first add */
    MUCacheSlot *pSlots;  /**< the slot array while locked, else 0 */
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

/**
 * Sets up a block cache of equal-sized records under 32-bit keys and counts
 * it in the caller's context; nothing is allocated until the first add.
 *
 * @param capacity    most entries the cache holds; below 2 becomes 2
 * @param growthStep  slots added each time the slot array grows; 0 becomes 2
 * @param dataSize    bytes of data per entry
 * @param flags       MU_CACHE_REPLACE_OLDEST, or 0 to refuse adds to a full cache
 * @param callerValue stored in MUCache.CallerValue for the caller; not used
 * @param cache       the caller's cache record, set up here
 * @param context     the caller's memory context: its CacheCount rises by 1
 */
QRVAPI void MUCacheInit(uint16_t capacity, uint16_t growthStep, uint32_t dataSize, uint32_t flags, uint32_t callerValue,
                        MUCache *cache, MUContext *context);
/**
 * Stores a copy of one record under a key: an existing key is overwritten, a
 * new key takes a new entry, or, in a full cache with
 * MU_CACHE_REPLACE_OLDEST, the least recently used entry.
 *
 * The slot array grows by the cache's growth step (never above its
 * capacity), and each new slot gets a data block of its own, counted in
 * @p pBytesHeld.  The use clock advances and stamps the entry.
 *
 * @param data       the record: MUCache.DataSize bytes, copied
 * @param key        the record's key
 * @param cache      the cache; locked if it was unlocked
 * @param[in,out] pBytesHeld byte counter charged with the blocks allocated;
 *                   pass the context's BytesHeld that MUCacheDeinit will release against
 * @return 0; 13 when growth cannot get memory or the slot array cannot be
 *         locked (the cache is then left as it was); 37 for a null cache or a
 *         new key in a full cache without
 *         MU_CACHE_REPLACE_OLDEST (the cache is then unchanged).
 *
 * Ownership: the cache keeps its own copy; @p data stays the caller's.
 */
QRVAPI uint32_t MUCacheAdd(const void *data, uint32_t key, MUCache *cache, uint32_t *pBytesHeld);
/**
 * Finds the record stored under a key and marks it as just used.
 *
 * @param key   the key to look for
 * @param cache the cache; locked if it was unlocked
 * @return a pointer to the entry's data (it does not move, and stays valid
 *         until the entry is replaced or the cache is deinitialised), or 0 for
 *         a null cache or a key not held (nothing changes then).
 *
 * Ownership: the data belong to the cache; the caller must not free them.
 */
QRVAPI void *MUCacheRetrieve(uint32_t key, MUCache *cache);
/**
 * Frees every block of a cache and takes it off the caller's context; the
 * record may be initialised again afterwards.
 *
 * @param cache   the cache (may be null: only the context's count drops)
 * @param context the memory context: CacheCount drops by 1, and BytesHeld by
 *                the data bytes of the blocks freed
 */
QRVAPI void MUCacheDeinit(MUCache *cache, MUContext *context);
/**
 * Locks a cache's slot array if it is unlocked (a cache with no slot array
 * yet is left as it is).
 *
 * @param cache the cache
 */
QRVAPI void MUCacheLock(MUCache *cache);
/**
 * Unlocks a cache's slot array between uses; the next cache operation locks
 * it again.  Pointers from MUCacheRetrieve stay valid (entry blocks stay locked).
 *
 * @param cache the cache
 */
QRVAPI void MUCacheUnlock(MUCache *cache);

QRV_END_DECLS

#endif
