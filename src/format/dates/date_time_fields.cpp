#include "format/dates/date_time_fields.hpp"

#include <qrvex/datetime.h>

#include <cmath>

namespace qrv::dates {
namespace {

constexpr double kLargestDayValue = 4026531840.0;

void time_from_fraction(double value, DateTimeFields &f) {
    int32_t hundredths;
    FUConvertSecondsToTime(FUConvertJulianToSeconds(value, &hundredths), &f.hour, &f.minute, &f.second);
}

bool date_shows(const DateTimeFields &f) {
    return f.year >= 0 && f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31;
}

bool time_shows(const DateTimeFields &f) { return f.hour <= 24 && f.minute <= 60 && f.second <= 60; }

// Truncated toward zero and wrapped to 32 bits, as the day count is unsigned.
uint32_t whole_days(double x) { return static_cast<uint32_t>(static_cast<int64_t>(x)); }

uint32_t date_fields(double v, uint32_t kind, uint32_t day_base, uint32_t date_flags, DateTimeFields &f) {
    const double x = v + day_base;
    if (!(x <= kLargestDayValue && x >= -kLargestDayValue)) return kBadDateMessage;  // NaN too
    FUConvertJulianToDate(whole_days(x), &f.day, &f.month, &f.year, &f.weekday, date_flags);
    if (kind == kDateAndTime) time_from_fraction(x, f);
    return date_shows(f) && (kind != kDateAndTime || time_shows(f)) ? 0 : kBadDateMessage;
}

// A whole value counts seconds; a fraction is a time of day.
uint32_t time_fields(double v, DateTimeFields &f) {
    if (!std::isfinite(v)) return kBadTimeMessage;
    if (v == std::floor(v) && std::fabs(v) < 9.2e18)
        FUConvertSecondsToTime(static_cast<uint32_t>(static_cast<int64_t>(v)), &f.hour, &f.minute, &f.second);
    else
        time_from_fraction(v, f);
    return time_shows(f) ? 0 : kBadTimeMessage;
}

}  // namespace

uint32_t fields_of(double value, uint32_t kind, uint32_t day_base, uint32_t date_flags, DateTimeFields &f) {
    switch (kind) {
    case kDateAndTime:
    case kDateOnly: return date_fields(value, kind, day_base, date_flags, f);
    case kTimeOnly: return time_fields(value, f);
    default: return kBadDateMessage;
    }
}

}  // namespace qrv::dates
