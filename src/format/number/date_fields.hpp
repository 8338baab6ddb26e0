// The calendar and clock fields of a value shown by a date or time format.
#pragma once

#include <qrvex/numformat.h>

#include <cstdint>

namespace qrv::numformat {

struct DateFields {
    int32_t day = 0, month = 0, year = 0, weekday = 0;
    uint32_t hour = 0, minute = 0, second = 0;
};

// A day, month, year or weekday as the number written: compute_date_fields
// never leaves one negative.
inline uint32_t field_number(int32_t field) { return static_cast<uint32_t>(field); }

// Fills fields from the value and the day base; false when the value cannot
// be shown as a date (out of range, or an impossible calendar date).
// messageLength then receives the length the message may have.
bool compute_date_fields(double value, uint32_t dayBase, uint32_t dateFlags, uint32_t formatFlags, DateFields &fields,
                         uint32_t &messageLength);

}  // namespace qrv::numformat
