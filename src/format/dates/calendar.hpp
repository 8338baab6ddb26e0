// Day-number constants shared by the calendar conversions.
#pragma once

#include <cstdint>

namespace qrv::dates {

// 1 January of year 1 in the Julian calendar: the first day converted.
inline constexpr uint32_t kFirstConvertedDay = 1721424;
// A known Monday (7 June 1982).
inline constexpr uint32_t kMondayDay = 2445128;

}  // namespace qrv::dates
