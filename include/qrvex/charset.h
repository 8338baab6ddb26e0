/** @file
 *
 * Character set conversion between byte text, 16-bit text and UTF-8.
 *
 * The eight converters take (destination, destination size in bytes, source,
 * source size in bytes); sources are not terminated.  They convert what fits,
 * always terminate the destination, and return the bytes written without the
 * terminator, or -1 when the destination filled up first.
 *
 * Our choices outside the callers' contract: a destination smaller than one
 * terminator gets nothing written and the result -1; the trailing odd byte
 * of a 16-bit source is ignored (the 16-bit block copy copies it and then
 * covers it with the terminator); no converter ever writes past the
 * destination size, so a 16-bit block copy whose terminator would end beyond
 * an odd-sized destination is treated as cut.
 */
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
