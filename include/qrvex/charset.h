/* Character set conversion between byte text, 16-bit text and UTF-8. */
#ifndef QRVEX_CHARSET_H
#define QRVEX_CHARSET_H

#include "types.h"

QRV_BEGIN_DECLS

QRVAPI int32_t FUConvertUnicodeToUTF8(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertUnicodeToSameUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertUnicodeToOppositeUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertLittleUnicodeToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertBigUnicodeToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertASCIIToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertASCIIToLittleUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI int32_t FUConvertASCIIToBigUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
QRVAPI uint32_t FUWordTextToByteStr(void *buffer, uint32_t unitCount, uint32_t charset);

QRV_END_DECLS

#endif
