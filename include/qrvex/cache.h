/* Block cache: equal-sized records under 32-bit keys, least recently used out. */
#ifndef QRVEX_CACHE_H
#define QRVEX_CACHE_H

#include "memory.h"

QRV_BEGIN_DECLS

typedef struct MUCache MUCache;

QRVAPI void MUCacheInit(uint16_t capacity, uint16_t growthStep, uint32_t dataSize, uint32_t flags,
                        uint32_t callerValue, MUCache *cache, MUContext *context);
QRVAPI uint32_t MUCacheAdd(const void *data, uint32_t key, MUCache *cache, uint32_t *pBytesHeld);
QRVAPI void *MUCacheRetrieve(uint32_t key, MUCache *cache);
QRVAPI void MUCacheDeinit(MUCache *cache, MUContext *context);
QRVAPI void MUCacheLock(MUCache *cache);
QRVAPI void MUCacheUnlock(MUCache *cache);

QRV_END_DECLS

#endif
