/* Style sheet, list styles and style loading. */
#ifndef QRVEX_STYLES_H
#define QRVEX_STYLES_H

#include "changes.h"
#include "items.h"

QRV_BEGIN_DECLS

typedef struct CUStyleSheet CUStyleSheet;
typedef struct CUStyleEntry CUStyleEntry;
typedef struct CUStyleSlot CUStyleSlot;
typedef struct CUStyleRecord CUStyleRecord;
typedef struct CUListLevelRecord CUListLevelRecord;

QRVAPI uint32_t CUCreateStyleSheet(CUStyleSheet **pSheet, uint32_t slotCount, CHHandle h);
QRVAPI uint32_t CUDestroyStyleSheet(CUStyleSheet **pSheet);
QRVAPI uint32_t CIInitSlot(CUStyleSlot *slot, uint32_t unused);
QRVAPI int32_t CIStyleNumber(CUStyleSheet *sheet, uint32_t styleId);
QRVAPI CUStyleSlot *CIGetSlot(CUStyleSheet *sheet, uint32_t *pSlotNumber);
QRVAPI uint32_t CUCheckStyleType(CHHandle h, uint32_t styleId);
QRVAPI int32_t CUStyleGetPredefinedType(CUStyleSheet *sheet, uint32_t styleIndex);
QRVAPI int32_t CUStyleGetOutlineLevel(CUStyleSheet *sheet, uint32_t styleIndex);
QRVAPI uint32_t CUStyleCheckTitleStyle(CUStyleSheet *sheet, uint32_t styleIndex);
QRVAPI uint32_t CUStyleCheckHeadingStyle(CUStyleSheet *sheet, uint32_t nameItemId);

QRVAPI uint32_t CULoadListStyle(CUStyleSheet *sheet, uint32_t listStyleId);
QRVAPI uint32_t CULoadListLevelStyle(CUStyleSheet *sheet, uint32_t listStyleId, uint32_t level,
                                     CUListLevelRecord *record);
QRVAPI uint32_t CURangeHasPutCounter(uint32_t id, uint32_t limit, CHHandle h);

QRVAPI uint32_t CULoadStyle(CUStyleSheet *sheet, uint32_t styleId, uint32_t paraStyleId,
                            CUStyleSlot **pSlot, uint32_t *pStyleIndex);

QRV_END_DECLS

#endif
