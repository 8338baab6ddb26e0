/** @file
 * Data values: stored cell values as doubles; string resources as wide text. */
#ifndef QRVEX_DATAVALUE_H
#define QRVEX_DATAVALUE_H

#include "items.h"

QRV_BEGIN_DECLS

QRVAPI uint32_t FUDataVal(CHHandle h, uint32_t itemId, double *pValue);
QRVAPI uint32_t FUDataValFromUnion(void *storage, uint32_t multiplierCode, uint32_t storageType, double *pValue);
QRVAPI double FUConvertBCDToDouble(uint8_t *packed);
QRVAPI double FUSFloat10to8(const uint8_t *extended);
QRVAPI double FUConvertCompactToDouble(uint32_t word);
QRVAPI uint32_t FUGetLOString(uint32_t stringId, QRVWCHAR *buffer, uint32_t size);
QRVAPI uint32_t FUstrcatBtoW(QRVWCHAR *wide, const char *bytes);

QRV_END_DECLS

#endif
