// Packed DOS dates and times to day values counted from 1980.
#include <qrvex/datetime.h>

#include <cmath>

namespace {

constexpr int32_t kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// The packed word of the double: truncated, kept to its low 32 bits.
uint32_t packed_word(double value) {
    if (!(std::fabs(value) < 9.2e18)) return 0;
    return static_cast<uint32_t>(static_cast<int64_t>(value));
}

}  // namespace

// 1 January 1980 00:00:00 becomes 1.0; the time of day is the fraction.  Every
// year divisible by four counts as a leap year.  A month field of 0 counts as
// January and one above 12 as December.  A value that cannot be a packed
// word (not finite or beyond 64 bits) is read as the word 0.
extern "C" QRVAPI void FUConvertDosDateToSODate(double *pValue) {
    const uint32_t w = packed_word(*pValue);
    const uint32_t seconds = 2 * (w & 0x1F) + 60 * ((w >> 5) & 0x3F) + 3600 * ((w >> 11) & 0x1F);
    const double fraction = seconds * (1.0 / 86400.0);
    const int32_t day = (w >> 16) & 0x1F;
    uint32_t month = (w >> 21) & 0x0F;
    month = month < 1 ? 1 : month > 12 ? 12 : month;
    const int32_t years = static_cast<int32_t>(w >> 25);
    const int32_t leap_day = (years % 4 == 0 && month > 2) ? 1 : 0;
    const int32_t days = day + 365 * years + (years + 3) / 4 + leap_day + kDaysBeforeMonth[month];
    *pValue = days + fraction;
}
