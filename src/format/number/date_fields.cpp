#include "format/number/date_fields.hpp"

#include "format/number/format_code.hpp"

#include <qrvex/datetime.h>

#include <cmath>

namespace qrv::numformat {
namespace {

constexpr double kLargestDay = 4026531840.0;
// Serial day numbers of some sources count a 29 February 1900.
constexpr double kLastDayBeforeFalseLeapDay = 2415079.0;

}  // namespace

bool compute_date_fields(double value, uint32_t dayBase, uint32_t dateFlags, uint32_t formatFlags, DateFields &fields,
                         uint32_t &messageLength) {
    fields = DateFields{};
    double v = static_cast<double>(dayBase) + value;
    if ((formatFlags & FU_FORMAT_CALENDAR) == 0) v -= std::trunc(v);
    if (!(v <= kLargestDay && v >= -kLargestDay)) {
        messageLength = kMessageLength;
        return false;
    }
    const bool countsFalseLeapDay = (dateFlags & 1) != 0;
    // Days after the false leap day move back one; days up to it keep their
    // date, but their weekday is that of the day before.
    const bool afterFalseLeapDay = v > kLastDayBeforeFalseLeapDay;
    if (countsFalseLeapDay && afterFalseLeapDay) v -= 1.0;
    const double whole = std::trunc(v);
    if (v < 0 && v != whole) return true;
    const int64_t j = static_cast<int64_t>(whole);
    const uint32_t day = static_cast<uint32_t>(j);
    if ((formatFlags & FU_FORMAT_CALENDAR) != 0) {
        FUj2g(day, &fields.day, &fields.month, &fields.year);
        if (fields.year < 0 || fields.month < 1 || fields.month > 12 || fields.day < 1 || fields.day > 31) {
            messageLength = kBadDateLength;
            return false;
        }
    }
    const bool weekdayBefore = countsFalseLeapDay && !afterFalseLeapDay;
    fields.weekday = static_cast<int32_t>(FUWeekday(weekdayBefore ? day - 1 : day));
    int32_t hundredths = 0;
    FUConvertSecondsToTime(FUConvertJulianToSeconds(v, &hundredths), &fields.hour, &fields.minute, &fields.second);
    return true;
}

}  // namespace qrv::numformat
