// Day numbers of spreadsheet cells as ISO 8601 text: "2024-03-05",
// "14:30:00", "2024-03-05T14:30:00.250".
#pragma once

#include <optional>
#include <string>

#include "format_code.hpp"

namespace qrv::filters {

// The day number (1 is 1 January 1900, or with date1904 0 is 1 January
// 1904; the fraction the time of day) as the kind asks, to the
// millisecond; none for a number kind, a value before the first day or
// after the year 9999, and a time without a date that is not a time of day
// (below 0, or 1 and more).  Day 60 of 1900 is the 29 February that
// spreadsheets count and the calendar does not: "1900-02-29".
std::optional<std::string> iso_text(double days, ValueKind kind, bool date1904);

}  // namespace qrv::filters
