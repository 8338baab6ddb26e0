// A cell's value as data rather than as shown: a number in the fewest
// digits that read back to the same double, a date or time in ISO 8601, a
// truth value TRUE or FALSE.
#pragma once

#include <string>

#include "sheet.hpp"

namespace qrv::filters {

// "1234.5678901234", "2024-03-05T14:30:00", "TRUE"; the cell's text when it
// holds no value (text, an error value).  A date that cannot be written in
// ISO 8601 (before the first day) is its day number.
std::string raw_value_text(const SheetCell &cell, bool date1904);

// The number alone, as raw_value_text writes it.
std::string number_text(double value);

}  // namespace qrv::filters
