// Day numbers to dates of the Gregorian calendar.
#include <qrvex/datetime.h>

namespace {

// Day number of 1 March of year 0, the origin of the conversion.
constexpr int64_t kMarchOfYearZero = 1721119;

}  // namespace

// Day 0 gives zeros, and so do the days before 1 March of year 0 (where the
// conversion's truncating divisions stop making sense).  The arithmetic is
// 64-bit, so every day number up to 2^32 - 1 gives its proleptic date.
extern "C" QRVAPI void FUj2g(uint32_t dayNumber, int32_t *pDay, int32_t *pMonth, int32_t *pYear) {
    *pDay = *pMonth = *pYear = 0;
    if (dayNumber <= kMarchOfYearZero) return;
    const int64_t j = 4 * (int64_t{dayNumber} - kMarchOfYearZero);
    const int64_t century = (j - 1) / 146097;
    const int64_t d = ((j - 1 - 146097 * century) / 4) * 4;
    const int64_t y = (d + 3) / 1461;
    const int64_t e = ((d - 1461 * y + 7) / 4) * 5;
    const int64_t m = (e - 3) / 153;
    *pDay = static_cast<int32_t>((e - 153 * m + 2) / 5);
    const int64_t year = 100 * century + y;
    if (m >= 10) {
        *pMonth = static_cast<int32_t>(m - 9);
        *pYear = static_cast<int32_t>(year + 1);
    } else {
        *pMonth = static_cast<int32_t>(m + 3);
        *pYear = static_cast<int32_t>(year);
    }
}
