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
#define FU_CODE_TOKEN_BIT 0x80000000u
#define FU_FORMAT_MAX_CODES 256u

/** Tokens: the special character kinds of a number format definition. */
enum {
    FU_TOKEN_DIGIT_ZERO = 0x100,    /**< digit, padded with "0" */
    FU_TOKEN_DIGIT_OPTIONAL = 0x101,/**< digit, not padded */
    FU_TOKEN_DIGIT_BLANK = 0x102,   /**< digit, padded with a blank */
    FU_TOKEN_POINT = 0x103,
    FU_TOKEN_PERCENT = 0x104,
    FU_TOKEN_TEXT = 0x105,          /**< the whole rendered number */
    FU_TOKEN_MASK = 0x106,          /**< digits of the rendered number become "*" */
    FU_TOKEN_ESCAPE = 0x107,        /**< the next code's low byte, as a character */
    FU_TOKEN_REPEAT = 0x108,        /**< the next code's low byte, repeated by the value */
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
    FU_TOKEN_DESIGNATOR = 0x12F,    /**< morning or afternoon */
    FU_TOKEN_DATE_SEPARATOR = 0x130,
    FU_TOKEN_TIME_SEPARATOR = 0x131,
    FU_TOKEN_24_HOURS = 0x132,
    FU_TOKEN_WEEKDAY_NAME_ALT = 0x133,
    FU_TOKEN_LONG_DATE = 0x134,
    FU_TOKEN_SHORT_DATE = 0x135,
    FU_TOKEN_MONTH_INITIAL = 0x13A
};

/** FUNumberFormat.FormatFlags. */
#define FU_FORMAT_GENERAL     0x001u /**< shown in its general form */
#define FU_FORMAT_SCIENTIFIC  0x002u
#define FU_FORMAT_DATE_TIME   0x004u
#define FU_FORMAT_PERCENT     0x008u /**< shown times 100 */
#define FU_FORMAT_DIGITS      0x010u /**< shows digits: a negative number gets a "-" */
#define FU_FORMAT_24_HOURS    0x020u
#define FU_FORMAT_TEXT60      0x040u /**< textValue60 is handed back */
#define FU_FORMAT_TEXT25      0x080u /**< textValue25 is handed back */
#define FU_FORMAT_CALENDAR    0x100u /**< the whole part of the value is a calendar date */

/** The compiled form of one number format definition. */
typedef struct FUNumberFormat {
    QRVHGLOBAL hBlock;     /**< memory block holding this record when allocated, else 0 */
    uint32_t codeCount;    /**< 0 to 256 */
    uint32_t pointPos;     /**< index of the decimal point token; codeCount when there is none */
    uint32_t fracDigits;   /**< digit placeholders after the decimal point */
    uint32_t intDigits;    /**< digit placeholders before it */
    uint32_t expDigits;    /**< digit placeholders after the exponent token */
    uint32_t textValue60;
    uint32_t textValue25;
    uint32_t FormatFlags;  /**< FU_FORMAT_* */
    FUFormatCode codes[FU_FORMAT_MAX_CODES];
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
