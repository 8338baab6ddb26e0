/*
 * QRVDA, the toolkit's data-access library (stand-in): documents, module data
 * records, export options and exception results.  Handles are 32-bit and
 * checked: an unknown or destroyed handle gives DA_ERR_BAD_HANDLE.
 */
#ifndef QRVDA_H
#define QRVDA_H

#include <qrvex/types.h>

QRV_BEGIN_DECLS

enum {
    DA_ERR_BAD_HANDLE = 0x2001,
    DA_ERR_NO_MEMORY = 0x2002,
    DA_ERR_BAD_OPTION = 0x2003, /* unknown option id */
    DA_ERR_TOO_SMALL = 0x2004,  /* the value buffer is smaller than the option */
    DA_ERR_REFUSED = 0x2005,    /* DAPreOpenDocument refused the document */
    /* What DAGetExceptionError makes of a structured exception's code. */
    DA_ERR_ACCESS_VIOLATION = 0x2010, /* a bad memory access */
    DA_ERR_ARITHMETIC = 0x2011,       /* a division by zero or an overflow */
    DA_ERR_STACK_OVERFLOW = 0x2012,
    DA_ERR_EXCEPTION = 0x2013 /* any other exception, RaiseException's own codes too */
};

/* Option identifiers the export library reads. */
#define DA_OPTION_INTL_SETTINGS 338681u /* 32-byte FUIntlSettings */
#define DA_OPTION_DATE_FLAGS 338483u    /* 32-bit flags; bit 0x2 keeps the 12-hour clock */

/* The export's number and date conventions (option 338681).  Byte
 * characters; strings are zero-terminated. */
typedef struct FUIntlSettings {
    char DecimalSeparator;
    char ThousandsSeparator;
    char DateSeparator;
    char TimeSeparator;
    char CurrencySymbol[8];
    char MorningDesignator[8];
    char AfternoonDesignator[8];
    uint8_t CurrencyPlacement; /* bit 0: symbol before the number; bit 1: a blank between */
    uint8_t Unused29;
    uint16_t DateOrder; /* 1 day-month-year, 2 year-month-day, else month-day-year */
} FUIntlSettings;

QRV_LAYOUT_ASSERT(sizeof(FUIntlSettings) == 32, "FUIntlSettings is 32 bytes");
QRV_LAYOUT_ASSERT(offsetof(FUIntlSettings, CurrencyPlacement) == 28, "placement at 28");
QRV_LAYOUT_ASSERT(offsetof(FUIntlSettings, DateOrder) == 30, "date order at 30");

/* --- What the export library imports -------------------------------------- */

uint32_t DAPreOpenDocument(uint32_t hDocument);
uint32_t DACreateModuleData(uint32_t *pHandle, uint32_t hDocument, uint32_t reserved, uint32_t size, uint32_t type);
uint32_t DALockModuleData(uint32_t handle, void **ppRecord);
uint32_t DAUnlockModuleData(uint32_t handle);
uint32_t DADestroyModuleData(uint32_t handle);
uint32_t DAGetExceptionError(uint32_t exceptionCode);
uint32_t DAGetOption(uint32_t hOptions, uint32_t id, void *buffer, uint32_t *pSize);

/* --- Host side ------------------------------------------------------------- */

/* An option set starts with en-US defaults for every option above: ".", ",",
 * "/", ":", "$" before the number without a blank, "AM", "PM", month-day-year,
 * date flags 0.  Option handle 0 names the process's own set, which
 * DASetOption may change too.  Known options keep their size; other ids may
 * be added with any size. */
uint32_t DACreateOptions(uint32_t *phOptions);
uint32_t DASetOption(uint32_t hOptions, uint32_t id, const void *value, uint32_t size);
uint32_t DADestroyOptions(uint32_t hOptions);

/* A document: a chunker handle with the option set its export uses. */
uint32_t DAOpenDocument(CHHandle chunker, uint32_t hOptions, uint32_t *phDocument);
uint32_t DACloseDocument(uint32_t hDocument);
uint32_t DAGetDocumentInfo(uint32_t hDocument, CHHandle *pChunker, uint32_t *phOptions);
uint32_t DAGetModuleDocument(uint32_t hModuleData, uint32_t *phDocument);
/* Module data records alive in the process (for leak checks). */
uint32_t DAGetModuleDataCount(void);

QRV_END_DECLS

#endif /* QRVDA_H */
