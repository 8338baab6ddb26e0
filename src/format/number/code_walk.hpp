// Building a formatter's output by walking the codes of a compiled format.
#pragma once

#include "format/number/date_fields.hpp"
#include "format/number/format_view.hpp"
#include "format/number/output_text.hpp"
#include "format/number/work_number.hpp"

#include <qrvda.h>

namespace qrv::numformat {

struct WalkInput {
    const FormatView &format;
    WorkNumber &work;  // digits come from here; the mask token changes it
    const FUIntlSettings &intl;
    const DateFields &date;
    double value;
    bool negative;
};

void walk_codes(const WalkInput &input, OutputText &out);

// The text of a token that takes nothing from the digits (currency, truth
// value, date and time fields, ...); unknown tokens write nothing.
void put_field_token(uint32_t token, const WalkInput &input, OutputText &out);

// The hour the hour tokens show: 0 to 23 with the 24-hour token, else 1 to
// 12.
uint32_t clock_hour(const WalkInput &input);

}  // namespace qrv::numformat
