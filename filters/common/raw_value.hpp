// A cell's value as data rather than as shown: a number in the fewest
// digits that read back to the same double, a truth value TRUE or FALSE.
#pragma once

#include <string>

#include "sheet.hpp"

namespace qrv::filters {

// "1234.5678901234", "TRUE"; the cell's text when it holds no value (text,
// an error value).
std::string raw_value_text(const SheetCell &cell);

// The number alone, as raw_value_text writes it.
std::string number_text(double value);

}  // namespace qrv::filters
