/** @file
 * Dates and times: day numbers, seconds, DOS dates, and their text. */
#ifndef QRVEX_DATETIME_H
#define QRVEX_DATETIME_H

#include "types.h"

QRV_BEGIN_DECLS

/**
 * Converts a day number to a date of the Gregorian calendar (proleptic).
 *
 * @param dayNumber the day number (2451545 is 1 January 2000)
 * @param[out] pDay      day of the month
 * @param[out] pMonth    month, 1 to 12
 * @param[out] pYear     year; all three are 0 for day 0 and the days before
 *                  1 March of year 0
 */
QRVAPI void FUj2g(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear);
/**
 * Converts a day number to a date of the Julian calendar (every fourth year a
 * leap year).
 *
 * @param dayNumber the day number
 * @param[out] pDay      day of the month
 * @param[out] pMonth    month, 1 to 12
 * @param[out] pYear     year; all three are 0 for day 0 and the days before
 *                  1 January of year 1
 */
QRVAPI void FUj2j(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear);
/**
 * Gives the weekday of a day number.
 *
 * @param dayNumber the day number
 * @return 0 Monday to 6 Sunday.
 */
QRVAPI uint32_t FUWeekday(uint32_t dayNumber);
/**
 * Converts a day number to a Gregorian date and its weekday.
 *
 * @param dayNumber the day number
 * @param[out] pDay      day of the month
 * @param[out] pMonth    month
 * @param[out] pYear     year; day, month and year are 0 before 1 January of year 1
 * @param[out] pWeekday  weekday, 0 Monday to 6 Sunday (computed in any case)
 * @param flags     bit 0: the day count includes a 29 February 1900 that never
 *                  was, so days after 28 February 1900 are one too high
 */
QRVAPI void FUConvertJulianToDate(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear, int32_t *pWeekday,
                                  uint32_t flags);
/**
 * Splits a count of seconds into hour, minute and second; hours fold into
 * 0 to 23.
 *
 * @param seconds the seconds
 * @param[out] pHour   hour, 0 to 23
 * @param[out] pMinute minute
 * @param[out] pSecond second
 */
QRVAPI void FUConvertSecondsToTime(uint32_t seconds, uint32_t *pHour, uint32_t *pMinute, uint32_t *pSecond);
/**
 * Gives the time of day of a day value in seconds since midnight.
 *
 * @param dayValue    a day value: the fraction is the time of day (negative
 *                    for a negative value)
 * @param[out] pHundredths hundredths of a second (truncated)
 * @return the seconds, rounded to the nearest second (unsigned arithmetic, so
 *         a negative fraction wraps).
 */
QRVAPI uint32_t FUConvertJulianToSeconds(double dayValue, int32_t *pHundredths);
/**
 * Converts a packed DOS date and time into a day value counted from
 * 1 January 1980 00:00:00 (1.0), in place.
 *
 * Every year divisible by four counts as a leap year; a month field of 0
 * counts as January and one above 12 as December.
 *
 * @param[in,out] pValue a double holding the packed word (a value that is not
 *               finite or beyond 64 bits is read as 0); replaced by the day value
 */
QRVAPI void FUConvertDosDateToSODate(double *pValue);
/**
 * Formats a date, a time, or both as wide text, in the export's date and
 * time conventions and with month and weekday names from the string resources.
 *
 * A date that cannot be shown gives the message of string resource 65796
 * (65797 for a time) instead.  Slots are joined by the date separator where
 * two date elements meet, else by a space; the output is cut at 79 characters.
 *
 * @param[out] output      the caller's wide buffer, room for 80 characters
 * @param value       the value: a day value, or for @p kind 7 a whole count of
 *                    seconds or a time of day
 * @param kind        5 date and time, 6 date, 7 time; any other shows the
 *                    date message
 * @param formatFlags which text each element takes (names or numbers, 2- or
 *                    4-digit year, 12- or 24-hour time, separators)
 * @param positions   the output slot (1 to 5, 0 not shown) of each element, in
 *                    3-bit fields: bits 0-2 weekday, 3-5 month, 6-8 day, 9-11
 *                    year, 12-14 time
 * @param dayBase     added to the value for dates (kinds 5 and 6)
 * @param dateFlags   flags for FUConvertJulianToDate
 * @param scale       the value is multiplied by it first
 * @param hOptions    the export's option handle, for DAGetOption
 */
QRVAPI void FUFormatDateTime(QRVWCHAR *output, double value, uint32_t kind, uint32_t formatFlags, uint32_t positions,
                             uint32_t dayBase, uint32_t dateFlags, double scale, uint32_t hOptions);

QRV_END_DECLS

#endif
