// Codes of a compiled number format and what each token does to the flags.
#pragma once

#include <qrvex/numformat.h>

#include <cstdint>

namespace qrv::numformat {

constexpr bool is_token(FUFormatCode code) { return (code & FU_CODE_TOKEN_BIT) != 0; }
constexpr uint32_t token_of(FUFormatCode code) { return code & ~FU_CODE_TOKEN_BIT; }
constexpr FUFormatCode token_code(uint32_t token) { return token | FU_CODE_TOKEN_BIT; }

constexpr bool is_digit_placeholder(uint32_t token) {
    return token >= FU_TOKEN_DIGIT_ZERO && token <= FU_TOKEN_DIGIT_BLANK;
}

constexpr bool is_calendar_token(uint32_t token) {
    return (token >= FU_TOKEN_WEEKDAY_NAME && token <= FU_TOKEN_YEAR_2) ||
           (token >= FU_TOKEN_WEEKDAY_NAME_ALT && token <= FU_TOKEN_SHORT_DATE) || token == FU_TOKEN_MONTH_INITIAL;
}

constexpr bool is_date_time_token(uint32_t token) {
    return is_calendar_token(token) || (token >= FU_TOKEN_HOUR_2 && token <= FU_TOKEN_SECOND_2) ||
           (token >= FU_TOKEN_DESIGNATOR && token <= FU_TOKEN_TIME_SEPARATOR);
}

// The FormatFlags bits a token sets when it is compiled.
constexpr uint32_t flags_of_token(uint32_t token) {
    uint32_t flags = 0;
    if (is_digit_placeholder(token)) flags |= FU_FORMAT_DIGITS;
    if (token == FU_TOKEN_GENERAL) flags |= FU_FORMAT_GENERAL | FU_FORMAT_DIGITS;
    if (token == FU_TOKEN_EXPONENT) flags |= FU_FORMAT_SCIENTIFIC;
    if (token == FU_TOKEN_PERCENT) flags |= FU_FORMAT_PERCENT;
    if (token == FU_TOKEN_24_HOURS) flags |= FU_FORMAT_24_HOURS;
    if (is_date_time_token(token)) flags |= FU_FORMAT_DATE_TIME;
    if (is_calendar_token(token)) flags |= FU_FORMAT_CALENDAR;
    return flags;
}

// String resources the formatter shows.
enum : uint32_t {
    kWeekdayNames = 65736,  // + weekday 0..6
    kWeekdayNamesAlt = 65743,
    kMonthNames = 65755,  // + month 1..12
    kMonthNamesAlt = 65775,
    kDateCannotBeShown = 65796,
    kNoValue = 65798,
    kTruthTrue = 65799,
    kTruthFalse = 65800,
};

// Lengths handed to FUGetLOString for those resources.
constexpr uint32_t kNameLength = 30;
constexpr uint32_t kMessageLength = 255;
constexpr uint32_t kBadDateLength = 79;

}  // namespace qrv::numformat
