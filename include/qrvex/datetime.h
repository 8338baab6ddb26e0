/** @file
 * Dates and times: day numbers, seconds, DOS dates, and their text. */
#ifndef QRVEX_DATETIME_H
#define QRVEX_DATETIME_H

#include "types.h"

QRV_BEGIN_DECLS

QRVAPI void FUj2g(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear);
QRVAPI void FUj2j(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear);
QRVAPI uint32_t FUWeekday(uint32_t dayNumber);
QRVAPI void FUConvertJulianToDate(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear,
                                  int32_t *pWeekday, uint32_t flags);
QRVAPI void FUConvertSecondsToTime(uint32_t seconds, uint32_t *pHour, uint32_t *pMinute, uint32_t *pSecond);
QRVAPI uint32_t FUConvertJulianToSeconds(double dayValue, int32_t *pHundredths);
QRVAPI void FUConvertDosDateToSODate(double *pValue);
QRVAPI void FUFormatDateTime(QRVWCHAR *output, double value, uint32_t kind, uint32_t formatFlags,
                             uint32_t positions, uint32_t dayBase, uint32_t dateFlags, double scale,
                             uint32_t hOptions);

QRV_END_DECLS

#endif
