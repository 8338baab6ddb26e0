// The number formatter's two digit paths side by side: formats built from
// code lists as the compiler counts them, the value run through each path,
// and values drawn where the short path is easiest to get wrong.  Shared by
// the differential test and the fuzz harness (which compile the formatter's
// internal sources into themselves).
#pragma once

#include "format/number/format_code.hpp"
#include "format/number/format_value.hpp"
#include "format/number/date_walk.hpp"
#include "format/number/plain_general.hpp"
#include "format/number/plain_walk.hpp"

#include <qrvda.h>
#include <qrvex/numformat.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <random>
#include <string>

namespace qrv::test {

constexpr FUFormatCode tok(uint32_t token) { return token | FU_CODE_TOKEN_BIT; }

// A compiled format of these codes, with the counts and flags the
// definition compiler gives them.
inline FUNumberFormat compiled_format(const FUFormatCode *codes, uint32_t count) {
    FUNumberFormat format{};
    format.pointPos = FU_FORMAT_MAX_CODES;
    bool exponentEntered = false;
    for (uint32_t i = 0; i < count && i < FU_FORMAT_MAX_CODES; ++i) {
        const FUFormatCode code = codes[i];
        format.codes[format.codeCount++] = code;
        if (!numformat::is_token(code)) continue;
        const uint32_t token = numformat::token_of(code);
        if (numformat::is_digit_placeholder(token)) {
            ++(exponentEntered                          ? format.expDigits
               : format.pointPos != FU_FORMAT_MAX_CODES ? format.fracDigits
                                                        : format.intDigits);
        }
        if (token == FU_TOKEN_POINT) format.pointPos = format.codeCount - 1;
        if (token == FU_TOKEN_EXPONENT) exponentEntered = true;
        format.FormatFlags |= numformat::flags_of_token(token);
    }
    if (format.codeCount == 0) format.FormatFlags |= FU_FORMAT_GENERAL;
    if (format.pointPos == FU_FORMAT_MAX_CODES) format.pointPos = format.codeCount;
    return format;
}

inline FUNumberFormat compiled_format(std::initializer_list<FUFormatCode> codes) {
    return compiled_format(codes.begin(), static_cast<uint32_t>(codes.size()));
}

// A formatted text for comparing and showing: ASCII as it is, any other
// character as \uXXXX.
inline std::string shown_text(const QRVWCHAR *text, uint32_t length) {
    std::string shown;
    for (uint32_t i = 0; i < length; ++i) {
        if (text[i] >= 0x20 && text[i] < 0x7F) {
            shown.push_back(static_cast<char>(text[i]));
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(text[i]));
        shown += escaped;
    }
    return shown;
}

struct PathCall {
    uint32_t dayBase = 0;
    uint32_t dateFlags = 0;
    uint32_t exponentOptions = 0;
    FUIntlSettings intl{'.', ',', '/', ':', {'$'}, {'A', 'M'}, {'P', 'M'}, 1, 0, 0};
    uint32_t outputSize = numformat::kMaxOutput + 1;
};

// The text of value by format on one path, each character beyond ASCII as
// \uXXXX; a date that cannot be shown gives "<bad date n>".
inline std::string format_on_path(const FUNumberFormat &format, double value, const PathCall &call,
                                  numformat::DigitPath path, numformat::WalkPath walk = numformat::WalkPath::kGeneral) {
    QRVWCHAR buffer[numformat::kMaxOutput + 1];
    numformat::OutputText out(buffer, call.outputSize);
    const numformat::FormatView view = numformat::view_of(format);
    uint32_t badDate = 0;
    const numformat::ValueRequest request{view,      value, call.dayBase, call.dateFlags, call.exponentOptions,
                                          call.intl, path,  walk};
    if (!numformat::format_value(request, out, badDate)) return "<bad date " + std::to_string(badDate) + ">";
    return shown_text(buffer, out.length());
}

// The fast walk that takes the value and the format, tried in the
// formatter's order (into a scratch output).
enum class FastWalk { kNone, kPlain, kGeneral, kDates };

inline FastWalk fast_walk_taking(const FUNumberFormat &format, double value, const PathCall &call) {
    QRVWCHAR buffer[numformat::kMaxOutput + 1];
    numformat::OutputText out(buffer, call.outputSize);
    const numformat::FormatView view = numformat::view_of(format);
    if (numformat::walk_plain(view, value, call.intl, out)) return FastWalk::kPlain;
    const QRVWCHAR decimal = static_cast<unsigned char>(call.intl.DecimalSeparator);
    if (numformat::write_plain_general(view, value, decimal, out)) return FastWalk::kGeneral;
    const uint32_t flags = format.FormatFlags;
    if ((flags & FU_FORMAT_DATE_TIME) == 0 || ((flags & FU_FORMAT_GENERAL) != 0 && format.codeCount < 2))
        return FastWalk::kNone;
    numformat::DateFields date;
    uint32_t badDate = 0;
    if (!numformat::compute_date_fields(value, call.dayBase, call.dateFlags, flags, date, badDate))
        return FastWalk::kNone;
    numformat::WorkNumber work;
    const numformat::WalkInput input{view, work, call.intl, date, value, value < 0};
    return numformat::walk_dates(input, out) ? FastWalk::kDates : FastWalk::kNone;
}

// The codes of a format, for messages: tokens in hex, text quoted.
inline std::string describe_codes(const FUNumberFormat &format) {
    std::string text = "{";
    for (uint32_t i = 0; i < format.codeCount; ++i) {
        const FUFormatCode code = format.codes[i];
        if (numformat::is_token(code)) {
            char token[12];
            std::snprintf(token, sizeof token, " %X", static_cast<unsigned>(numformat::token_of(code)));
            text += token;
        } else {
            const auto c = static_cast<QRVWCHAR>(code);
            text += " '" + shown_text(&c, 1) + "'";
        }
    }
    return text + " }";
}

// The value to 17 digits, for messages.
inline std::string describe(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Values that sit on the short path's edges.
class HardValues {
public:
    explicit HardValues(uint64_t seed) : random_(seed) {}

    double next() {
        const double v = draw();
        return coin(4) == 0 ? -v : v;
    }

private:
    uint32_t coin(uint32_t sides) { return static_cast<uint32_t>(random_() % sides); }

    // A decimal number of up to 17 digits, placed by its exponent.
    double decimal(const std::string &digits, int exponent) {
        const std::string text = digits + "e" + std::to_string(exponent);
        return std::strtod(text.c_str(), nullptr);
    }

    std::string random_digits(uint32_t count) {
        std::string digits;
        for (uint32_t i = 0; i < count; ++i) digits.push_back(static_cast<char>('0' + coin(10)));
        return digits;
    }

    // A digit string with a run of "0" or "9" of 3 to 6 at a chosen place.
    std::string digits_with_run() {
        const uint32_t length = 6 + coin(12);
        std::string digits = random_digits(length);
        const uint32_t at = coin(length);
        const char c = coin(2) == 0 ? '0' : '9';
        for (uint32_t k = at, run = 3 + coin(4); k < length && run > 0; ++k, --run) digits[k] = c;
        if (digits[0] == '0') digits[0] = '1';
        return digits;
    }

    // Nearest doubles of the value, either side, now and then.
    double nudge(double v) {
        switch (coin(6)) {
        case 0: return std::nextafter(v, 0.0);
        case 1: return std::nextafter(v, INFINITY);
        default: return v;
        }
    }

    // Any bits of a double of magnitude 2^low to 2^high.
    double scaled(int low, int high) {
        const int exponent = low + static_cast<int>(coin(static_cast<uint32_t>(high - low)));
        return std::ldexp(1.0 + static_cast<double>(random_() >> 11) / 9007199254740992.0, exponent);
    }

    // Values whose full expansion takes the runtime's slow road (printf
    // for every digit) come one in 64: far below 2^-12, huge, subnormal.
    double rare() {
        switch (coin(4)) {
        case 0: return scaled(-76, -12);  // the short path's smallest
        case 1: {                         // any magnitude, 1e-300 to 1e300
            const double digits = static_cast<double>(random_() >> 11) / 9007199254740992.0;
            return (1.0 + digits) * std::pow(10.0, static_cast<int>(coin(601)) - 300);
        }
        case 2: {  // any bit pattern: subnormals, infinities, NaNs among them
            uint64_t bits = random_();
            if (coin(2) == 0) bits &= 0x800FFFFFFFFFFFFFull;
            double v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        default: return nudge(decimal(std::string(1 + coin(17), '9'), -static_cast<int>(coin(10)) - 12));
        }
    }

    double draw() {
        if (coin(64) == 0) return rare();
        switch (coin(16)) {
        case 0:  // halfway cases x.xx5 at 1 to 8 places
        case 1: {
            const uint32_t places = 1 + coin(8);
            return nudge(
                decimal(random_digits(1 + coin(6)) + random_digits(places - 1) + "5", -static_cast<int>(places)));
        }
        case 2:  // runs of 0 and 9 at every place the filter looks at
        case 3:
        case 4: return nudge(decimal(digits_with_run(), static_cast<int>(coin(24)) - 14));
        case 5:  // carries into the integer part and the exponent: all nines
        case 6: return nudge(decimal(std::string(1 + coin(17), '9'), static_cast<int>(coin(33)) - 20));
        case 7:
            return nudge(
                decimal(std::string(1 + coin(8), '9') + random_digits(coin(5)), static_cast<int>(coin(20)) - 12));
        case 8: return coin(2) == 0 ? 0.0 : -0.0;
        case 9:  // whole numbers up to 2^70
            return nudge(std::floor(std::ldexp(static_cast<double>(random_() >> 11), static_cast<int>(coin(70)) - 53)));
        case 10: return nudge(decimal(random_digits(1 + coin(4)), -static_cast<int>(coin(6))));  // amounts
        default: return scaled(-12, 66);  // the short path's range and a little past it, any bits
        }
    }

    std::mt19937_64 random_;
};

}  // namespace qrv::test
