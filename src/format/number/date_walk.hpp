// The code walk for date and time formats that show no digits of the
// number (no digit placeholders, exponent, whole-number or repeat tokens):
// literal text, separators and fields, the numeric fields written a pair of
// digits at a time.  The general walk (code_walk.hpp) is the reference it
// must agree with; the number need not be rendered for it.
#pragma once

#include "format/number/code_walk.hpp"

namespace qrv::numformat {

// Writes the text to out and returns true; or returns false, with out as
// it was, for a format with a code that reads the rendered number.
bool walk_dates(const WalkInput &input, OutputText &out);

}  // namespace qrv::numformat
