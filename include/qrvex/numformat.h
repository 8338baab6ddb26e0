/* Number formatting: compiled format definitions, display-type formats and helpers. */
#ifndef QRVEX_NUMFORMAT_H
#define QRVEX_NUMFORMAT_H

#include "cache.h"
#include "items.h"

QRV_BEGIN_DECLS

typedef struct FUNumberFormat FUNumberFormat;

QRVAPI uint32_t FUFormatNumber(CHHandle h, QRVWCHAR *output, uint32_t outputSize, uint32_t formatId,
                               double value, uint32_t dayBase, uint32_t dateFlags, uint32_t exponentOptions,
                               uint32_t *pTextValue60, uint32_t *pTextValue25, MUCache *cache,
                               QRVWCHAR *work, uint32_t unused, uint32_t hOptions);
QRVAPI uint32_t FUFormatNumber35(CHHandle h, QRVWCHAR *output, uint32_t formatItemId, double value,
                                 uint32_t dayBase, uint32_t dateFlags, uint32_t *pColour, void *work,
                                 uint32_t hOptions);
QRVAPI uint32_t FUFormatTextCell(CHHandle h, uint32_t formatId, uint32_t *pTextValue60, uint32_t *pTextValue25);

QRVAPI void FUInsertCh(char *string, char ch, uint32_t position);
QRVAPI void FUInsertChW(QRVWCHAR *string, QRVWCHAR ch, uint32_t position, uint32_t length);
QRVAPI uint32_t FURoundCopy(char *destination, const char *digits, uint32_t count);
QRVAPI uint32_t FURoundCopyW(QRVWCHAR *destination, const QRVWCHAR *digits, uint32_t count);
QRVAPI void FUReverseByteCopy(void *destination, const void *source, uint16_t count);
QRVAPI uint32_t FUNumToString(uint32_t number, char *buffer);

QRV_END_DECLS

#endif
