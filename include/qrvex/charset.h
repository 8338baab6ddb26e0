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

/**
 * Converts 16-bit text in machine order to UTF-8.
 *
 * A surrogate pair becomes one four-byte sequence; a surrogate without its
 * partner is written as the three bytes of its own value.  The destination is
 * terminated with one zero byte.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: 16-bit text, machine order, not terminated
 * @param srcSize the source's size in bytes
 * @return the bytes written without the terminator; -1 when the destination
 *         filled up first (what fitted is written and terminated; a destination
 *         smaller than one terminator gets nothing).
 */
QRVAPI int32_t FUConvertUnicodeToUTF8(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Copies 16-bit text unchanged (a block copy) and terminates it with a zero unit.
 *
 * The trailing odd byte of the source is ignored.  A source as large as the
 * destination is cut.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: 16-bit text, not terminated
 * @param srcSize the source's size in bytes
 * @return the source size when all of it was copied; else -1, with dstSize - 2
 *         bytes copied and the last whole unit of the destination zeroed.
 */
QRVAPI int32_t FUConvertUnicodeToSameUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Converts 16-bit text to the opposite byte order: each unit with its two bytes exchanged.
 *
 * The destination is terminated with a zero unit.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: 16-bit text, not terminated
 * @param srcSize the source's size in bytes
 * @return the bytes written without the terminator; -1 when the destination
 *         filled up first (what fitted is written and terminated; a destination
 *         smaller than one terminator gets nothing).
 */
QRVAPI int32_t FUConvertUnicodeToOppositeUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Converts little-endian 16-bit text to byte text: each unit gives its low byte (the first).
 *
 * The destination is terminated with a zero byte.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: 16-bit text, low byte first, not terminated
 * @param srcSize the source's size in bytes
 * @return the bytes written without the terminator; -1 when the destination
 *         filled up first (what fitted is written and terminated; a destination
 *         smaller than one terminator gets nothing).
 */
QRVAPI int32_t FUConvertLittleUnicodeToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Converts big-endian 16-bit text to byte text: each unit gives its low byte (the second).
 *
 * The destination is terminated with a zero byte.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: 16-bit text, high byte first, not terminated
 * @param srcSize the source's size in bytes
 * @return the bytes written without the terminator; -1 when the destination
 *         filled up first (what fitted is written and terminated; a destination
 *         smaller than one terminator gets nothing).
 */
QRVAPI int32_t FUConvertBigUnicodeToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Copies byte text unchanged (a block copy) and terminates it with a zero byte.
 *
 * A source as large as the destination is cut.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: byte text, not terminated
 * @param srcSize the source's size in bytes
 * @return the source size when all of it was copied; else -1, with dstSize - 1
 *         bytes copied and a zero in the last destination byte.
 */
QRVAPI int32_t FUConvertASCIIToASCII(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Widens byte text to little-endian 16-bit text: each byte, then a zero byte.
 *
 * The destination is terminated with a zero unit.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: byte text, not terminated
 * @param srcSize the source's size in bytes
 * @return the bytes written without the terminator; -1 when the destination
 *         filled up first (what fitted is written and terminated; a destination
 *         smaller than one terminator gets nothing).
 */
QRVAPI int32_t FUConvertASCIIToLittleUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Widens byte text to big-endian 16-bit text: a zero byte, then each byte.
 *
 * The destination is terminated with a zero unit.
 *
 * @param[out] dst     the caller's destination
 * @param dstSize the destination's size in bytes, terminator included
 * @param src     the source: byte text, not terminated
 * @param srcSize the source's size in bytes
 * @return the bytes written without the terminator; -1 when the destination
 *         filled up first (what fitted is written and terminated; a destination
 *         smaller than one terminator gets nothing).
 */
QRVAPI int32_t FUConvertASCIIToBigUnicode(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
/**
 * Converts word text in place: 16-bit units each holding a byte character
 * (high byte 0) or a double-byte character (lead byte in the high byte).
 *
 * With character set 0x14B00000 the result is 16-bit text, high byte first,
 * with a zero unit; with any other it is byte text (a double-byte character
 * gives its two bytes, a byte character its one) with a zero byte.
 *
 * @param[in,out] buffer    the text; it must hold @p unitCount + 1 units
 * @param unitCount the 16-bit units of the text
 * @param charset   the character set code
 * @return the length in bytes, without the terminator.
 */
QRVAPI uint32_t FUWordTextToByteStr(void *buffer, uint32_t unitCount, uint32_t charset);

QRV_END_DECLS

#endif
