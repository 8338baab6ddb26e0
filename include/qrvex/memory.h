/* Memory blocks: movable blocks with a size header and a caller's byte counter. */
#ifndef QRVEX_MEMORY_H
#define QRVEX_MEMORY_H

#include "types.h"

QRV_BEGIN_DECLS

typedef struct MUContext MUContext;

QRVAPI void MUInit(MUContext *context);
QRVAPI void MUDeInit(void);
QRVAPI uint32_t MUAllocateMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld);
QRVAPI void MUFreeMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t *pBytesHeld);
QRVAPI void *MULock(QRVHGLOBAL hBlock);
QRVAPI uint32_t MUUnlock(QRVHGLOBAL hBlock);

QRV_END_DECLS

#endif
