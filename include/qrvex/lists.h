/* Item lists and counter tracking. */
#ifndef QRVEX_LISTS_H
#define QRVEX_LISTS_H

#include "types.h"

QRV_BEGIN_DECLS

typedef struct LUList LUList;

QRVAPI LUList *LUCreateList(uint32_t itemSize, uint32_t initialCapacity, uint32_t growBy);
QRVAPI void LUFreeList(LUList **pList);
QRVAPI uint32_t LUResizeList(LUList *list, uint32_t newCapacity);
QRVAPI int32_t LUAddItem(LUList *list, const void *item);
QRVAPI void *LURemoveItem(LUList *list);
QRVAPI int32_t LUFindExactItem(LUList *list, const void *key, uint32_t keyLength);
QRVAPI uint32_t LUAddSortedItem(LUList *list, const void *item, uint32_t keyWidth, uint32_t flags);
QRVAPI uint32_t LURemoveExactItem(LUList *list, const void *key, uint32_t keyLength);
QRVAPI uint32_t LUInsertItem(LUList *list, const void *item, int32_t index);

/* Counter tracking: a track is an LUList of counter entries. */
QRVAPI uint32_t LUInitCounterTrack(LUList **pTrack);
QRVAPI uint32_t LUDeInitCounterTrack(LUList *track);
QRVAPI uint32_t LUSaveCounterLevel(LUList *track, uint32_t counterId, uint32_t level,
                                   int32_t value, uint32_t position);
QRVAPI uint32_t LUGetCounterLevel(LUList *track, uint32_t counterId, uint32_t level,
                                  int32_t *pValue, uint32_t position);

QRV_END_DECLS

#endif
