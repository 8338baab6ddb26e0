#include "format/number/date_walk.hpp"

#include "format/number/format_code.hpp"
#include "format/number/wide_digits.hpp"

namespace qrv::numformat {
namespace {

constexpr uint32_t kLargestPair = 99;
constexpr uint32_t kWidestField = 4;

// A numeric field of one or two digits (minDigits 1 or 2), as put_number
// writes it, when the text has room for it whole.
void put_field(OutputText &out, uint32_t number, uint32_t minDigits) {
    if (number > kLargestPair || out.room() < kWidestField) {
        out.put_number(number, minDigits);
        return;
    }
    const uint32_t digits = number >= 10 || minDigits >= 2 ? 2 : 1;
    QRVWCHAR *end = out.end() + digits;
    put_digits_before(number, digits, end);
    out.extend_to(end);
}

// Years below 10000 in four digits, leading zeros included.
void put_year(OutputText &out, uint32_t year) {
    if (year >= 10000 || out.room() < kWidestField) {
        out.put_number(year, 4);
        return;
    }
    QRVWCHAR *end = out.end() + 4;
    put_digits_before(year, 4, end);
    out.extend_to(end);
}

}  // namespace

bool walk_dates(const WalkInput &in, OutputText &out) {
    const FormatView &format = in.format;
    const uint32_t flags = format.FormatFlags;
    const DateFields &d = in.date;
    const uint32_t start = out.length();
    if (in.negative && (flags & FU_FORMAT_DIGITS) != 0 && (flags & FU_FORMAT_GENERAL) == 0) out.put(u'-');
    const uint32_t count = format.codeCount;
    for (uint32_t c = 0; c < count && !out.full(); ++c) {
        const FUFormatCode code = format.codes[c];
        if (!is_token(code)) {
            out.put(static_cast<QRVWCHAR>(code));
            continue;
        }
        switch (const uint32_t token = token_of(code)) {
        case FU_TOKEN_DIGIT_ZERO:
        case FU_TOKEN_DIGIT_OPTIONAL:
        case FU_TOKEN_DIGIT_BLANK:
        case FU_TOKEN_EXPONENT:
        case FU_TOKEN_TEXT:
        case FU_TOKEN_GENERAL:
        case FU_TOKEN_REPEAT: out.cut_to(start); return false;
        case FU_TOKEN_POINT: out.put(u'.'); break;  // a date format's point is a plain "."
        case FU_TOKEN_GROUPING:
        case FU_TOKEN_MASK: break;  // nothing reads what they change
        case FU_TOKEN_ESCAPE:
            if (++c >= count) return true;
            out.put(static_cast<QRVWCHAR>(format.codes[c] & 0xFF));
            break;
        case FU_TOKEN_DAY_2: put_field(out, field_number(d.day), 2); break;
        case FU_TOKEN_DAY: put_field(out, field_number(d.day), 1); break;
        case FU_TOKEN_MONTH_2: put_field(out, field_number(d.month), 2); break;
        case FU_TOKEN_MONTH: put_field(out, field_number(d.month), 1); break;
        case FU_TOKEN_YEAR_4: put_year(out, field_number(d.year)); break;
        case FU_TOKEN_YEAR_2: put_field(out, field_number(d.year) % 100, 2); break;
        case FU_TOKEN_HOUR_2: put_field(out, clock_hour(in), 2); break;
        case FU_TOKEN_HOUR: put_field(out, clock_hour(in), 1); break;
        case FU_TOKEN_MINUTE_2: put_field(out, d.minute, 2); break;
        case FU_TOKEN_MINUTE: put_field(out, d.minute, 1); break;
        case FU_TOKEN_SECOND_2: put_field(out, d.second, 2); break;
        default: put_field_token(token, in, out); break;
        }
    }
    return true;
}

}  // namespace qrv::numformat
