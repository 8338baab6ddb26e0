/** @file
 * Numerals and counter numbers: decimal, letter and Roman numerals, section titles. */
#ifndef QRVEX_NUMERALS_H
#define QRVEX_NUMERALS_H

#include "styles.h"

QRV_BEGIN_DECLS

QRVAPI uint32_t FUFlipWString(QRVWCHAR *buffer, uint16_t start, uint16_t end);
QRVAPI uint16_t FUGenerateDecimalNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value);
QRVAPI uint16_t FUGenerateLetterNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value);
QRVAPI uint16_t FUGenerateRomanNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value);
QRVAPI uint16_t FUGetRoman1To9(QRVWCHAR *buffer, uint16_t position, uint16_t size, uint32_t digit,
                               char oneLetter, char fiveLetter, char tenLetter);
QRVAPI uint16_t FUGenerateCounterNumber(const CUListLevelRecord *level, uint32_t flags, QRVWCHAR *buffer,
                                        uint16_t size, int32_t value);
QRVAPI uint16_t FUGetDefaultSectionString(int32_t sectionNumber, uint32_t kind, QRVWCHAR *buffer, uint32_t size);
QRVAPI uint16_t FUStripStringZeros(void *buffer, uint16_t byteCount);

QRV_END_DECLS

#endif
