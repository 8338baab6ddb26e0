// One value through one compiled format: rendering, the general form, the
// date fields and the code walk.
#pragma once

#include "format/number/format_view.hpp"
#include "format/number/output_text.hpp"
#include "format/number/work_number.hpp"

#include <qrvda.h>

#include <cstdint>

namespace qrv::numformat {

// The walk over the codes: the plain walk where it takes the format and the
// value (and the general walk where it does not), or the general walk
// always.  Both give the same text; the general one is the reference.
enum class WalkPath { kFast, kGeneral };

struct ValueRequest {
    const FormatView &format;
    double value;
    uint32_t dayBase;
    uint32_t dateFlags;
    uint32_t exponentOptions;
    const FUIntlSettings &intl;
    DigitPath path;
    WalkPath walk = WalkPath::kFast;
};

// Writes the formatted text to out (not yet terminated).  False when the
// value is a date that cannot be shown: badDateLength then receives the
// length its message may have, and out holds nothing of use.
bool format_value(const ValueRequest &request, OutputText &out, uint32_t &badDateLength);

}  // namespace qrv::numformat
