/** @file
 * Numerals and counter numbers: decimal, letter and Roman numerals, section titles. */
#ifndef QRVEX_NUMERALS_H
#define QRVEX_NUMERALS_H

#include "styles.h"

QRV_BEGIN_DECLS

/**
 * Reverses a span of a wide buffer in place.
 *
 * @param buffer the buffer
 * @param start  the span's first position
 * @param end    the position after the span; a span shorter than two (or an
 *               end before the start) is left alone
 * @return 0.
 */
QRVAPI uint32_t FUFlipWString(QRVWCHAR *buffer, uint16_t start, uint16_t end);
/**
 * Writes a decimal numeral into a wide buffer from a position; 0 writes "0".
 *
 * Digits beyond @p size are dropped from the most significant end.  No
 * terminator is written.
 *
 * @param[out] buffer the caller's buffer
 * @param start  the position of the first digit
 * @param size   the buffer's size in characters; nothing is written at or past it
 * @param value  the value (negative values take their digits from signed
 *               remainders, which fall below '0')
 * @return the new end position.
 */
QRVAPI uint16_t FUGenerateDecimalNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value);
/**
 * Writes a letter numeral (bijective base 26: 1 A, 26 Z, 27 AA, 703 AAA) into
 * a wide buffer from a position; 0 writes nothing.  No terminator is written.
 *
 * @param[out] buffer the caller's buffer
 * @param start  the position of the first letter
 * @param size   the buffer's size in characters; nothing is written at or past it
 * @param value  the value
 * @return the new end position (@p start for 0).
 */
QRVAPI uint16_t FUGenerateLetterNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value);
/**
 * Writes a Roman numeral of the value's last three decimal digits into a wide
 * buffer from a position (2024 gives XXIV); 0, multiples of 1000 and negative
 * values write nothing.  No terminator is written.
 *
 * @param[out] buffer the caller's buffer
 * @param start  the position of the first letter
 * @param size   the buffer's size in characters; nothing is written at or past it
 * @param value  the value
 * @return the new end position.
 */
QRVAPI uint16_t FUGenerateRomanNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value);
/**
 * Writes one Roman digit (1 to 9), backwards, with the given letters for one,
 * five and ten; any other digit writes nothing.
 *
 * @param[out] buffer     the caller's buffer
 * @param position   where the first letter goes
 * @param size       the buffer's size in characters; nothing is written at or past it
 * @param digit      the digit, 1 to 9
 * @param oneLetter  the letter for one ('I', 'X' or 'C')
 * @param fiveLetter the letter for five ('V', 'L' or 'D')
 * @param tenLetter  the letter for ten ('X', 'C' or 'M')
 * @return the new position.
 */
QRVAPI uint16_t FUGetRoman1To9(QRVWCHAR *buffer, uint16_t position, uint16_t size, uint32_t digit, char oneLetter,
                               char fiveLetter, char tenLetter);
/**
 * Writes the number of a list item as its list level shows it: decimal
 * (optionally with a leading zero below 10), letters or Roman numerals (upper
 * or lower case), the level's bullet, or '*'.
 *
 * The number is terminated; when it fills the buffer its last character
 * gives way to the terminator (and is still counted).
 *
 * @param level  the list level record: its Numbering word (style and bits 17
 *               lower case, 20 leading zero) and BulletChar
 * @param flags  bit 0: narrow the text to bytes in place
 * @param[out] buffer the caller's wide buffer
 * @param size   the buffer's size in characters
 * @param value  the counter's value
 * @return the length in wide characters (in bytes with flags bit 0); 0 for a
 *         size of 0 or numbering style 0.
 */
QRVAPI uint16_t FUGenerateCounterNumber(const CUListLevelRecord *level, uint32_t flags, QRVWCHAR *buffer, uint16_t size,
                                        int32_t value);
/**
 * Writes the default title of a section: a word from the string resources
 * for the kind, a space and the section's number.
 *
 * @param sectionNumber the number shown
 * @param kind          0 to 8 select the word; for 3 and above 8 the buffer's
 *                      present wide string is used as the word
 * @param[in,out] buffer        the caller's wide buffer; it must hold the word,
 *                      a space, up to eleven characters of number and the
 *                      terminator (only the word is fetched within @p size)
 * @param size          the buffer's size in characters, for the word
 * @return the title's length in wide characters.
 */
QRVAPI uint16_t FUGetDefaultSectionString(int32_t sectionNumber, uint32_t kind, QRVWCHAR *buffer, uint32_t size);
/**
 * Removes the zero bytes among the first bytes of a buffer, moving the others
 * forward in order.  No terminator is written.
 *
 * @param buffer    the buffer
 * @param byteCount bytes looked at
 * @return the bytes kept.
 */
QRVAPI uint16_t FUStripStringZeros(void *buffer, uint16_t byteCount);

QRV_END_DECLS

#endif
