// Day numbers to dates of the Julian calendar.
#include <qrvex/datetime.h>

#include "format/dates/calendar.hpp"

namespace {

constexpr int32_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int64_t days_before_year(int64_t year) { return 365 * (year - 1) + (year - 1) / 4; }

}  // namespace

// Every fourth year (4, 8, ...) is a leap year.  Day 0 and the days before
// 1 January of year 1 give zeros.
extern "C" QRVAPI void FUj2j(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear) {
    *pDay = *pMonth = *pYear = 0;
    if (dayNumber < qrv::dates::kFirstConvertedDay) return;
    const int64_t d = int64_t{dayNumber} - qrv::dates::kFirstConvertedDay;
    const int64_t year = (4 * d + 3) / 1461 + 1;
    int64_t day_of_year = d - days_before_year(year);
    int32_t month = 0;
    for (; month < 11; ++month) {
        const int32_t length = kMonthDays[month] + (month == 1 && year % 4 == 0 ? 1 : 0);
        if (day_of_year < length) break;
        day_of_year -= length;
    }
    *pDay = static_cast<int32_t>(day_of_year + 1);
    *pMonth = month + 1;
    *pYear = static_cast<int32_t>(year);
}
