/* Memory blocks: movable blocks with a size header and a caller's byte counter. */
#ifndef QRVEX_MEMORY_H
#define QRVEX_MEMORY_H

#include "types.h"

QRV_BEGIN_DECLS

/* A filter's record for its memory and its block caches. */
typedef struct MUContext {
    uint32_t BytesHeld;  /* data bytes held in blocks counted against this context */
    uint32_t Reserved;   /* set to 0 by MUInit, not otherwise used */
    uint32_t CacheCount; /* block caches initialised with this context and not yet deinitialised */
} MUContext;

QRV_LAYOUT_ASSERT(sizeof(MUContext) == 12, "MUContext is three 32-bit words");
QRV_LAYOUT_ASSERT(offsetof(MUContext, CacheCount) == 8, "CacheCount at 8");

QRVAPI void MUInit(MUContext *context);
QRVAPI void MUDeInit(void);
QRVAPI uint32_t MUAllocateMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld);
QRVAPI void MUFreeMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t *pBytesHeld);
QRVAPI void *MULock(QRVHGLOBAL hBlock);
QRVAPI uint32_t MUUnlock(QRVHGLOBAL hBlock);

QRV_END_DECLS

#endif
