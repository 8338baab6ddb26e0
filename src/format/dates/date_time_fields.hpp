// The calendar and clock fields of a value to be formatted, and whether they
// can be shown.
#pragma once

#include <cstdint>

namespace qrv::dates {

enum Kind : uint32_t { kDateAndTime = 5, kDateOnly = 6, kTimeOnly = 7 };

// String resources of the messages that replace a value that cannot be shown.
inline constexpr uint32_t kBadDateMessage = 65796;
inline constexpr uint32_t kBadTimeMessage = 65797;

struct DateTimeFields {
    // Fields a kind does not fill keep 1 (weekday 0), so a time element
    // placed with a date-only kind reads 1:01:01.
    int32_t day = 1, month = 1, year = 1, weekday = 0;
    uint32_t hour = 1, minute = 1, second = 1;
};

// Fills fields for kinds 5 to 7; result 0 when they can be shown, else the
// message resource to show instead.  Other kinds give the date message.
uint32_t fields_of(double value, uint32_t kind, uint32_t day_base, uint32_t date_flags, DateTimeFields &f);

}  // namespace qrv::dates
