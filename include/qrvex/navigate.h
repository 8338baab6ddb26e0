/* Tag and item navigation over the item stream and its index stores. */
#ifndef QRVEX_NAVIGATE_H
#define QRVEX_NAVIGATE_H

#include "items.h"

QRV_BEGIN_DECLS

QRVAPI uint32_t CUSkipTag(uint32_t id, CHHandle h);
QRVAPI uint32_t CUSkipTagReverse(uint32_t id, CHHandle h);
QRVAPI uint32_t CUFindTagEndId(uint32_t id, CHHandle h);
QRVAPI uint32_t CUFindTagBeginId(uint32_t id, uint32_t limit, uint32_t tagCode, CHHandle h);
QRVAPI uint32_t CUIsBeginTag(uint32_t id, uint32_t *pTagCode, CHHandle h);
QRVAPI uint32_t CUFindBreakEndId(uint32_t id, uint32_t limitA, uint32_t limitB, uint32_t breakKind, CHHandle h);
QRVAPI uint32_t CUFindBreakBeginId(uint32_t id, uint32_t breakKind, CHHandle h);
QRVAPI uint32_t CUFindSpecialCharId(uint32_t kind, uint32_t id, uint32_t limit, CHHandle h);
QRVAPI uint32_t CUFindVectorHeaderId(uint32_t id, uint32_t limit, CHHandle h);
QRVAPI uint32_t CUFindTextFrameId(uint32_t id, uint32_t limit, uint32_t frameFlagMask, CHHandle h);
QRVAPI uint32_t CUFindTableBeginId(uint32_t id, uint32_t unused, CHHandle h);
QRVAPI uint32_t CUFindTableEndId(uint32_t id, CHHandle h);
QRVAPI uint32_t CUGetTagListChangeId(uint32_t key, uint32_t tagCode, uint32_t flags,
                                     uint32_t *pBeginId, uint32_t *pEndId, CHHandle h);

QRV_END_DECLS

#endif
