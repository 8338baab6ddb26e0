// Tokens that write a field of their own rather than digits of the number.
#include "format/number/code_walk.hpp"
#include "format/number/format_code.hpp"

#include <qrvex/datavalue.h>

namespace qrv::numformat {
namespace {

constexpr uint32_t kNoon = 12;

void put_string(uint32_t id, OutputText &out, uint32_t maxCharacters = UINT32_MAX) {
    QRVWCHAR text[kNameLength + 1];
    const uint32_t length = FUGetLOString(id, text, kNameLength);
    out.put_wide(text, length < maxCharacters ? length : maxCharacters);
}

void put_long_date(const WalkInput &in, OutputText &out) {
    put_string(kWeekdayNames + field_number(in.date.weekday), out);
    out.put(u',');
    put_string(kMonthNames + field_number(in.date.month), out);
    out.put(u' ');
    out.put_number(field_number(in.date.day), 1);
    out.put(u',');
    out.put(u' ');
    out.put_number(field_number(in.date.year), 4);
}

void put_short_date(const WalkInput &in, OutputText &out) {
    const uint32_t day = field_number(in.date.day), month = field_number(in.date.month),
                   year = field_number(in.date.year) % 100;
    uint32_t fields[3] = {month, day, year};
    uint32_t widths[3] = {1, 1, 2};
    if (in.intl.DateOrder == 1) {
        fields[0] = day;
        fields[1] = month;
    } else if (in.intl.DateOrder == 2) {
        fields[0] = year;
        fields[1] = month;
        fields[2] = day;
        widths[0] = 2;
        widths[2] = 1;
    }
    for (int i = 0; i < 3; ++i) {
        if (i > 0) out.put(static_cast<unsigned char>(in.intl.DateSeparator));
        out.put_number(fields[i], widths[i]);
    }
}

}  // namespace

uint32_t clock_hour(const WalkInput &in) {
    uint32_t hour = in.date.hour;
    if ((in.format.FormatFlags & FU_FORMAT_24_HOURS) != 0) return hour;
    if (hour > kNoon) hour -= kNoon;
    return hour == 0 ? kNoon : hour;
}

void put_field_token(uint32_t token, const WalkInput &in, OutputText &out) {
    const DateFields &d = in.date;
    switch (token) {
    case FU_TOKEN_PERCENT: out.put(u'%'); break;
    case FU_TOKEN_CURRENCY: out.put_bytes(in.intl.CurrencySymbol, sizeof in.intl.CurrencySymbol); break;
    case FU_TOKEN_TRUTH: put_string(in.value == 0 ? kTruthFalse : kTruthTrue, out); break;
    case FU_TOKEN_WEEKDAY_NAME: put_string(kWeekdayNamesAlt + field_number(d.weekday), out); break;
    case FU_TOKEN_WEEKDAY_NAME_ALT: put_string(kWeekdayNames + field_number(d.weekday), out); break;
    case FU_TOKEN_DAY_2: out.put_number(field_number(d.day), 2); break;
    case FU_TOKEN_DAY: out.put_number(field_number(d.day), 1); break;
    case FU_TOKEN_MONTH_2: out.put_number(field_number(d.month), 2); break;
    case FU_TOKEN_MONTH: out.put_number(field_number(d.month), 1); break;
    case FU_TOKEN_MONTH_NAME: put_string(kMonthNames + field_number(d.month), out); break;
    case FU_TOKEN_MONTH_NAME_ALT: put_string(kMonthNamesAlt + field_number(d.month), out); break;
    case FU_TOKEN_MONTH_INITIAL: put_string(kMonthNames + field_number(d.month), out, 1); break;
    case FU_TOKEN_YEAR_4: out.put_number(field_number(d.year), 4); break;
    case FU_TOKEN_YEAR_2: out.put_number(field_number(d.year) % 100, 2); break;
    case FU_TOKEN_HOUR_2: out.put_number(clock_hour(in), 2); break;
    case FU_TOKEN_HOUR: out.put_number(clock_hour(in), 1); break;
    case FU_TOKEN_MINUTE_2: out.put_number(d.minute, 2); break;
    case FU_TOKEN_MINUTE: out.put_number(d.minute, 1); break;
    case FU_TOKEN_SECOND_2: out.put_number(d.second, 2); break;
    case FU_TOKEN_DESIGNATOR:
        out.put_bytes(d.hour < kNoon ? in.intl.MorningDesignator : in.intl.AfternoonDesignator,
                      sizeof in.intl.MorningDesignator);
        break;
    case FU_TOKEN_DATE_SEPARATOR: out.put(static_cast<unsigned char>(in.intl.DateSeparator)); break;
    case FU_TOKEN_TIME_SEPARATOR: out.put(static_cast<unsigned char>(in.intl.TimeSeparator)); break;
    case FU_TOKEN_LONG_DATE: put_long_date(in, out); break;
    case FU_TOKEN_SHORT_DATE: put_short_date(in, out); break;
    default: break;
    }
}

}  // namespace qrv::numformat
