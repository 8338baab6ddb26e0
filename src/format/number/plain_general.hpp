// The general text of a format that shows nothing else (the default
// format, an empty definition), in fixed form, straight from the double:
// the whole part and up to ten fraction digits are split off exactly, put
// through the renderer's steps, and rounded to five places as the general
// form does.  The general form over the rendered number (general_text in
// work_number.hpp) is the reference it must agree with.
#pragma once

#include "format/number/format_view.hpp"
#include "format/number/output_text.hpp"

namespace qrv::numformat {

// Writes the general text of value to out and returns true; or returns
// false, having written nothing, for other formats, for values beyond the
// split's range or below 10^-10 (which may take the scientific form), and
// for a text longer than out's room.
bool write_plain_general(const FormatView &format, double value, QRVWCHAR decimalSeparator, OutputText &out);

}  // namespace qrv::numformat
