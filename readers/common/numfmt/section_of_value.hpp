// The section of a NumberFormat that a value shows in: the first whose
// condition holds, else the first without one (null when none is left).
#pragma once

#include "format_model.hpp"

namespace qrv::import::numfmt {

const Section *section_for(const NumberFormat &format, double value);

// The value as the section shows it: its absolute value where the section
// writes the sign itself.
double value_shown(const Section &section, double value);

}  // namespace qrv::import::numfmt
