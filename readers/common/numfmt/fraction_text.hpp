// Numbers shown as fractions ("# ?/?" shows 1.5 as "1 1/2", "?/8" shows
// 0.3 as "2/8"), which the library's tokens cannot express: the importer
// writes the cell as the text these functions give.  The fraction is the
// closest one whose denominator has at most the section's places (or is
// the fixed one); placeholders' blanks are not padded; the section's
// literal text stands around it.  A section holding other tokens besides
// the fraction (a percent, say) is left to the definition.
#pragma once

#include <optional>
#include <string>

#include "format_model.hpp"

namespace qrv::import::numfmt {

// The text of value in the section it shows in, or nothing where that
// section shows no fraction.
std::optional<std::string> fraction_text(const Section &section, double value);

}  // namespace qrv::import::numfmt
