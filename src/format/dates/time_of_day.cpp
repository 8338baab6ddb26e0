// Times of day from seconds and from day fractions.
#include <qrvex/datetime.h>

#include <cmath>

// Hours fold into 0-23.
extern "C" QRVAPI void FUConvertSecondsToTime(uint32_t seconds, uint32_t *pHour, uint32_t *pMinute, uint32_t *pSecond) {
    *pHour = seconds / 3600 % 24;
    *pMinute = seconds % 3600 / 60;
    *pSecond = seconds % 3600 % 60;
}

// The fraction of the day value (negative for a negative value) in seconds,
// rounded to the nearest second through tenths; the hundredths are truncated
// instead.  Result: the seconds (unsigned arithmetic, as a negative fraction
// wraps).
extern "C" QRVAPI uint32_t FUConvertJulianToSeconds(double dayValue, int32_t *pHundredths) {
    double whole;
    const double fraction = std::isfinite(dayValue) ? std::modf(dayValue, &whole) : 0.0;
    const auto tenths = static_cast<uint32_t>(static_cast<int32_t>(fraction * 864000.0));
    *pHundredths = static_cast<int32_t>(fraction * 8640000.0) % 100;
    return tenths % 10 >= 5 ? (tenths + 5) / 10 : tenths / 10;
}
