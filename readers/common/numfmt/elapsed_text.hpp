// Numbers shown as elapsed time ("[h]:mm:ss" shows 1.5 days as "36:00:00",
// "[mm]:ss" shows 2 hours as "120:00"), which the library's tokens cannot
// express (its hour is the hour of the day): the importer writes the cell
// as the text these functions give.  The bracketed unit counts the whole
// time, the units after it what is left of it; the time is rounded to the
// second, a negative one shown with a minus sign.  A section holding
// tokens other than hours, minutes, seconds and separators (a date, say)
// is left to the definition.
#pragma once

#include <optional>
#include <string>

#include "format_model.hpp"

namespace qrv::import::numfmt {

// The text of value in the section it shows in, or nothing where that
// section shows no elapsed time.
std::optional<std::string> elapsed_text(const Section &section, double value);

}  // namespace qrv::import::numfmt
