/** @file
 * Data values: stored cell values as doubles; string resources as wide text. */
#ifndef QRVEX_DATAVALUE_H
#define QRVEX_DATAVALUE_H

#include "items.h"

QRV_BEGIN_DECLS

/**
 * Reads a stored data value (an item of type 224 and its storage in store 17)
 * as a double.
 *
 * The storage is read into a buffer of the library's own, so reordering in
 * place never reaches the chunker's copy.
 *
 * @param h      the chunker handle
 * @param itemId the data value item
 * @param[out] pValue the value; 0.0 when there is none
 * @return 1 when a value was written; 0 for no value, an item of another type,
 *         or a chunker failure on either read.
 */
QRVAPI uint32_t FUDataVal(CHHandle h, uint32_t itemId, double *pValue);
/**
 * Converts the storage bytes of a data value to a double by its storage type
 * and applies its multiplier.
 *
 * Big-endian forms are reversed in place and a packed decimal loses its sign
 * bit, so the same storage must be converted only once.
 *
 * @param[in,out] storage        the storage bytes (up to 16)
 * @param multiplierCode 320 to 329 multiply by a fixed factor; other codes by 1
 * @param storageType    0 to 15
 * @param[out] pValue         the value times the multiplier's factor; 0.0 for
 *                       no value
 * @return 1 when a value was written (also, as 0.0, for types 11, 12 and above
 *         15); 0 for no value (a little-endian double whose bytes 6 and 7 are
 *         0xFF, storage types 9 and 10).
 */
QRVAPI uint32_t FUDataValFromUnion(void *storage, uint32_t multiplierCode, uint32_t storageType, double *pValue);
/**
 * Gives the value of an 8-byte packed decimal: sign x digits x 10^(exponent - 70).
 *
 * @param[in,out] packed the 8 bytes; its sign bit is cleared, so the same bytes
 *               must not be converted twice
 * @return the value; 0.0 for a first byte of 0.
 */
QRVAPI double FUConvertBCDToDouble(uint8_t *packed);
/**
 * Gives the value of a little-endian 80-bit extended float as a double,
 * rounding the significand to 52 fraction bits (halves away from zero).
 *
 * @param extended the 10 bytes
 * @return the value; 0.0 for infinities, NaNs and values beyond the double
 *         range; subnormals for values below the normal double range.
 */
QRVAPI double FUSFloat10to8(const uint8_t *extended);
/**
 * Gives the value of a compact scaled integer.
 *
 * @param word bits 0-3 the power n, bit 4 divide (else multiply) by 10^n, bit 5
 *             negative, bits 6-31 the magnitude
 * @return the value.
 */
QRVAPI double FUConvertCompactToDouble(uint32_t word);
/**
 * Fetches a string resource of the utility library as wide text.
 *
 * @param stringId the resource's identifier
 * @param[out] buffer   the caller's buffer; a text of @p size characters or
 *                 more is cut to @p size - 1
 * @param size     the buffer's size in characters; 0 writes nothing
 * @return the characters written before the terminator.
 */
QRVAPI uint32_t FUGetLOString(uint32_t stringId, QRVWCHAR *buffer, uint32_t size);
/**
 * Appends a byte string to a wide string, each byte zero-extended (0x80 to
 * 0xFF become U+0080 to U+00FF), and terminates it.
 *
 * @param[in,out] wide  the wide string; the caller provides the room
 * @param bytes the zero-terminated byte string
 * @return the number of characters appended.
 */
QRVAPI uint32_t FUstrcatBtoW(QRVWCHAR *wide, const char *bytes);

QRV_END_DECLS

#endif
