// Weekdays of day numbers.
#include <qrvex/datetime.h>

#include "format/dates/calendar.hpp"

// 0 Monday .. 6 Sunday.  The distance from a known Monday is taken as a
// signed 32-bit number.
extern "C" QRVAPI uint32_t FUWeekday(uint32_t dayNumber) {
    const auto distance = static_cast<int32_t>(dayNumber - qrv::dates::kMondayDay);
    const int32_t r = distance % 7;
    return static_cast<uint32_t>(r < 0 ? r + 7 : r);
}

// Flag bit 0: the day count includes a 29 February 1900 that never was, so
// days after 28 February 1900 are one too high.  Days before 1 January of
// year 1 give day, month and year 0 (the weekday is still computed).
extern "C" QRVAPI void FUConvertJulianToDate(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear,
                                             int32_t *pWeekday, uint32_t flags) {
    constexpr uint32_t kFebruary28Of1900 = 2415079;
    if ((flags & 1) && dayNumber > kFebruary28Of1900) --dayNumber;
    *pWeekday = static_cast<int32_t>(FUWeekday(dayNumber));
    if (dayNumber < qrv::dates::kFirstConvertedDay) {
        *pDay = *pMonth = *pYear = 0;
        return;
    }
    FUj2g(dayNumber, pDay, pMonth, pYear);
}
