/** @file
 * Number formatting: compiled format definitions, display-type formats and helpers. */
#ifndef QRVEX_NUMFORMAT_H
#define QRVEX_NUMFORMAT_H

#include "cache.h"
#include "items.h"

QRV_BEGIN_DECLS

/** A code of a compiled format: bit 31 clear, a literal 16-bit character;
 * bit 31 set, a token in the low bits (FU_TOKEN_*). */
typedef uint32_t FUFormatCode;
#define FU_CODE_TOKEN_BIT 0x80000000u /**< set in a code that is a token */
#define FU_FORMAT_MAX_CODES 256u      /**< most codes of a compiled format */

/** Tokens: the special character kinds of a number format definition. */
enum {
    FU_TOKEN_DIGIT_ZERO = 0x100,     /**< digit, padded with "0" */
    FU_TOKEN_DIGIT_OPTIONAL = 0x101, /**< digit, not padded */
    FU_TOKEN_DIGIT_BLANK = 0x102,    /**< digit, padded with a blank */
    FU_TOKEN_POINT = 0x103,
    FU_TOKEN_PERCENT = 0x104,
    FU_TOKEN_TEXT = 0x105,   /**< the whole rendered number */
    FU_TOKEN_MASK = 0x106,   /**< digits of the rendered number become "*" */
    FU_TOKEN_ESCAPE = 0x107, /**< the next code's low byte, as a character */
    FU_TOKEN_REPEAT = 0x108, /**< the next code's low byte, repeated by the value */
    FU_TOKEN_CURRENCY = 0x109,
    FU_TOKEN_GROUPING = 0x10A,
    FU_TOKEN_EXPONENT = 0x10B,
    FU_TOKEN_TRUTH = 0x10C,
    FU_TOKEN_GENERAL = 0x10D,
    FU_TOKEN_WEEKDAY_NAME = 0x120,
    FU_TOKEN_DAY_2 = 0x121,
    FU_TOKEN_DAY = 0x122,
    FU_TOKEN_MONTH_2 = 0x123,
    FU_TOKEN_MONTH = 0x124,
    FU_TOKEN_MONTH_NAME = 0x125,
    FU_TOKEN_MONTH_NAME_ALT = 0x126,
    FU_TOKEN_YEAR_4 = 0x127,
    FU_TOKEN_YEAR_2 = 0x128,
    FU_TOKEN_HOUR_2 = 0x129,
    FU_TOKEN_HOUR = 0x12A,
    FU_TOKEN_MINUTE_2 = 0x12B,
    FU_TOKEN_MINUTE = 0x12C,
    FU_TOKEN_SECOND_2 = 0x12D,
    FU_TOKEN_DESIGNATOR = 0x12F, /**< morning or afternoon */
    FU_TOKEN_DATE_SEPARATOR = 0x130,
    FU_TOKEN_TIME_SEPARATOR = 0x131,
    FU_TOKEN_24_HOURS = 0x132,
    FU_TOKEN_WEEKDAY_NAME_ALT = 0x133,
    FU_TOKEN_LONG_DATE = 0x134,
    FU_TOKEN_SHORT_DATE = 0x135,
    FU_TOKEN_MONTH_INITIAL = 0x13A
};

/** FUNumberFormat.FormatFlags. */
#define FU_FORMAT_GENERAL 0x001u    /**< shown in its general form */
#define FU_FORMAT_SCIENTIFIC 0x002u /**< has an exponent */
#define FU_FORMAT_DATE_TIME 0x004u  /**< has date or time tokens */
#define FU_FORMAT_PERCENT 0x008u    /**< shown times 100 */
#define FU_FORMAT_DIGITS 0x010u     /**< shows digits: a negative number gets a "-" */
#define FU_FORMAT_24_HOURS 0x020u   /**< hours run 0 to 23 */
#define FU_FORMAT_TEXT60 0x040u     /**< textValue60 is handed back */
#define FU_FORMAT_TEXT25 0x080u     /**< textValue25 is handed back */
#define FU_FORMAT_CALENDAR 0x100u   /**< the whole part of the value is a calendar date */

/** The compiled form of one number format definition. */
typedef struct FUNumberFormat {
    QRVHGLOBAL hBlock;                       /**< memory block holding this record when allocated, else 0 */
    uint32_t codeCount;                      /**< 0 to 256 */
    uint32_t pointPos;                       /**< index of the decimal point token; codeCount when there is none */
    uint32_t fracDigits;                     /**< digit placeholders after the decimal point */
    uint32_t intDigits;                      /**< digit placeholders before it */
    uint32_t expDigits;                      /**< digit placeholders after the exponent token */
    uint32_t textValue60;                    /**< data1 of the definition's item 60 (FU_FORMAT_TEXT60) */
    uint32_t textValue25;                    /**< value of the definition's item 25 (FU_FORMAT_TEXT25) */
    uint32_t FormatFlags;                    /**< FU_FORMAT_* */
    FUFormatCode codes[FU_FORMAT_MAX_CODES]; /**< the codes, codeCount of them */
} FUNumberFormat;

#if QRV_PTR32
QRV_LAYOUT_ASSERT(sizeof(FUNumberFormat) == 1060, "FUNumberFormat is 1060 bytes");
QRV_LAYOUT_ASSERT(offsetof(FUNumberFormat, codeCount) == 4, "FUNumberFormat.codeCount at 4");
QRV_LAYOUT_ASSERT(offsetof(FUNumberFormat, codes) == 36, "FUNumberFormat.codes at 36");
#else
QRV_LAYOUT_ASSERT(sizeof(FUNumberFormat) == 1064, "FUNumberFormat is 1064 bytes");
QRV_LAYOUT_ASSERT(offsetof(FUNumberFormat, codeCount) == 8, "FUNumberFormat.codeCount at 8");
QRV_LAYOUT_ASSERT(offsetof(FUNumberFormat, codes) == 40, "FUNumberFormat.codes at 40");
#endif
QRV_LAYOUT_ASSERT(offsetof(FUNumberFormat, FormatFlags) + 4 == offsetof(FUNumberFormat, codes),
                  "FUNumberFormat.FormatFlags just before codes");

/**
 * Formats a double as wide text by a number format definition of the item
 * stream (compiled, or taken ready compiled from the caller's block cache).
 *
 * A value that is no value, or a date that cannot be shown, gives a message
 * text from the string resources instead.  Definitions with conditions follow
 * the condition's target definition, however long the chain.
 *
 * @param h               the chunker handle
 * @param[out] output          wide buffer of at least 256 characters, the caller's
 * @param outputSize      characters of @p output that may be written
 * @param formatId        the first item of the format definition; -1 selects the
 *                        general format
 * @param value           the value
 * @param dayBase         added to the value for date and time tokens, so that
 *                        the sum is a day number with the time of day as fraction
 * @param dateFlags       bit 0: the day count includes a 29 February 1900
 * @param exponentOptions bit 1: an exponent below 10 shows one digit when the
 *                        format has fewer than two exponent placeholders
 * @param[in,out] pTextValue60    start value of the format's item-60 text
 *                        value; written back when the format sets it
 *                        (FU_FORMAT_TEXT60)
 * @param[out] pTextValue25    the format's item-25 text value, when it sets one
 *                        (FU_FORMAT_TEXT25)
 * @param cache           the filter's block cache of compiled formats, keyed by
 *                        @p formatId, or null for none; a newly compiled format
 *                        is added when the cache's DataSize holds an
 *                        FUNumberFormat (the blocks it grows by are counted
 *                        against no context)
 * @param work            wide work buffer of 264 characters; scratch, not needed
 *                        by this implementation
 * @param unused          not read
 * @param hOptions        the export's option handle, for DAGetOption (number
 *                        and date conventions)
 * @return the length of the text in characters, terminator not counted (at
 *         most 255); for a message text, the length of that text.
 */
QRVAPI uint32_t FUFormatNumber(CHHandle h, QRVWCHAR *output, uint32_t outputSize, uint32_t formatId, double value,
                               uint32_t dayBase, uint32_t dateFlags, uint32_t exponentOptions, uint32_t *pTextValue60,
                               uint32_t *pTextValue25, MUCache *cache, QRVWCHAR *work, uint32_t unused,
                               uint32_t hOptions);
/**
 * Formats a double as wide text by a single format item: its display type
 * (general, currency, percent, scientific, fixed, date and time kinds, truth
 * value), its decimal places and its flag word.
 *
 * Negative numbers take a sign or parentheses, thousands are grouped when
 * asked; date and time kinds are handed to FUFormatDateTime.
 *
 * @param h            the chunker handle
 * @param[out] output       the caller's wide buffer, with room for the text and
 *                     its terminator (date and time kinds write at most 80 characters)
 * @param formatItemId the format item: value's high 16 bits the display type,
 *                     low 16 bits the decimal places (or the date element
 *                     positions), data1 the flag word
 * @param value        the value
 * @param dayBase      for date and time kinds, as FUFormatDateTime's
 * @param dateFlags    for date and time kinds, as FUFormatDateTime's
 * @param[out] pColour      set to 255 for a negative number when the flag
 *                     word asks for the negative colour; may be null
 * @param work         work buffer of at least 512 bytes; left as it was
 * @param hOptions     the export's option handle, for DAGetOption
 * @return the length of the output in characters, terminator not counted; 0
 *         (empty output) for NaNs, infinities, values beyond 1E126 and a format
 *         item that cannot be read.
 */
QRVAPI uint32_t FUFormatNumber35(CHHandle h, QRVWCHAR *output, uint32_t formatItemId, double value, uint32_t dayBase,
                                 uint32_t dateFlags, uint32_t *pColour, void *work, uint32_t hOptions);
/**
 * Walks a number format definition for the two text values it sets, as a
 * text cell needs them.
 *
 * An item 25 stores its value through @p pTextValue25, an item 60 its data1
 * through @p pTextValue60; a condition that always holds continues in the
 * definition it names.
 *
 * @param h            the chunker handle
 * @param formatId     the first item of the format definition
 * @param[out] pTextValue60 item 60's data1, when the definition has one
 * @param[out] pTextValue25 item 25's value, when the definition has one
 * @return 0 at the definition's end; 37 for the id -1; 18 when ids stop
 *         growing; the code of a failing chunker or tag list call, unchanged.
 */
QRVAPI uint32_t FUFormatTextCell(CHHandle h, uint32_t formatId, uint32_t *pTextValue60, uint32_t *pTextValue25);

/**
 * Inserts a character into a zero-terminated byte string: the rest of the
 * string, terminator included, moves one place right.
 *
 * @param string   the string; the caller provides the room for one more byte
 * @param ch       the character
 * @param position where it goes; a position past the end is taken as the end
 */
QRVAPI void FUInsertCh(char *string, char ch, uint32_t position);
/**
 * Inserts a character into a wide string of a given length: the characters
 * from the position through the terminator move one place right.
 *
 * @param string   the string; the caller provides the room for one more character
 * @param ch       the character
 * @param position where it goes; a position past @p length is taken as @p length
 * @param length   the string's length in characters
 */
QRVAPI void FUInsertChW(QRVWCHAR *string, QRVWCHAR ch, uint32_t position, uint32_t length);
/**
 * Copies digits rounded to a count: the last copied digit is raised when the
 * next source digit is "5" to "9" ("9" becomes "0" and the raise moves left).
 *
 * @param[out] destination room for @p count + 1 characters; terminated at @p count
 * @param digits      the digit characters; at least @p count + 1 of them
 * @param count       digits to copy
 * @return 1 when the raise ran out of the leftmost digit (the caller puts a
 *         "1" in front), else 0.
 */
QRVAPI uint32_t FURoundCopy(char *destination, const char *digits, uint32_t count);
/**
 * FURoundCopy over wide characters.
 *
 * @param[out] destination room for @p count + 1 characters; terminated at @p count
 * @param digits      the digit characters; at least @p count + 1 of them
 * @param count       digits to copy
 * @return 1 when the raise ran out of the leftmost digit, else 0.
 */
QRVAPI uint32_t FURoundCopyW(QRVWCHAR *destination, const QRVWCHAR *digits, uint32_t count);
/**
 * Copies bytes in reverse order (the last source byte first); the ranges may
 * overlap.
 *
 * @param[out] destination @p count bytes
 * @param source      @p count bytes
 * @param count       bytes to copy
 */
QRVAPI void FUReverseByteCopy(void *destination, const void *source, uint16_t count);
/**
 * Writes the decimal digits of a number's low 16 bits, taken unsigned,
 * without leading zeros, and a terminator.
 *
 * @param number the number (its low 16 bits are used)
 * @param[out] buffer at least 6 bytes
 * @return the number of digits.
 */
QRVAPI uint32_t FUNumToString(uint32_t number, char *buffer);

QRV_END_DECLS

#endif
