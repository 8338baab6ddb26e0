// Dates as spreadsheets store them: day numbers counted from the end of
// 1899 (with the fictitious 29 February 1900 counted) or, in the 1904
// system, from 1 January 1904; the time of day is the fraction.
#pragma once

#include <optional>
#include <string_view>

namespace qrv::import {

// The day number of an ISO 8601 date or date and time ("2024-03-01",
// "2024-03-01T12:30:00", "2024-03-01T12:30:00.5Z"; a zone is not applied),
// or of a time alone ("12:30:00", "PT12H30M" as OpenDocument writes
// durations is not taken).  Nothing for text that is not one.
std::optional<double> day_number_of_iso(std::string_view text, bool date1904);

}  // namespace qrv::import
