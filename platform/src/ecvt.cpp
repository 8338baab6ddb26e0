// _ecvt: the first ndigits significant decimal digits of a double, rounded
// half up on its exact binary value, as the Windows runtime does.  The exact
// digits come from the C library's printf, which prints the exact expansion
// for any precision; only a rounding digit of 5 needs the long look.
//
// Choices where the runtime's behaviour is loose: ndigits below 0 counts as
// 0 (an empty string; decpt still reflects a round-up), above 349 as 349.
// Zero gives ndigits "0"s with decpt 0.  An infinity gives "1#INF", a quiet
// NaN "1#QNAN" ("1#IND" with the sign bit set), a signalling NaN "1#SNAN",
// each with decpt 1, cut or padded with "0" to ndigits.
#include <qrvplatform/platform.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxDigits = 349;
// A double's exact decimal expansion has at most 767 significant digits.
constexpr int kExactPrecision = 780;

thread_local char result[kMaxDigits + 1];

// Significant digits of |value| (printf's "%.*e" with precision digits - 1)
// into out, and the decimal exponent of the first digit.
int scientific_digits(double magnitude, int digits, char *out) {
    char text[kExactPrecision + 16];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, magnitude);
    int n = 0;
    const char *p = text;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') out[n++] = *p;
    return std::atoi(p + 1);
}

// Rounds digits[0..count) up by one unit in the last place; true when the
// carry runs out of the leftmost digit (the digits are then all "0").
bool round_up(char *digits, int count) {
    for (int i = count - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

// count digits of a finite non-zero magnitude; returns the exponent of the
// first digit.
int rounded_digits(double magnitude, int count, char *out) {
    char probe[kExactPrecision + 16];
    int exponent = scientific_digits(magnitude, count + 1, probe);
    char rounding = probe[count];
    if (rounding == '5') {
        // probe was itself rounded: look at the exact digits to decide.
        exponent = scientific_digits(magnitude, kExactPrecision, probe);
        rounding = probe[count];
    }
    std::memcpy(out, probe, count);
    if (rounding >= '5' && round_up(out, count)) {
        if (count > 0) out[0] = '1';
        ++exponent;
    }
    return exponent;
}

const char *special_text(double value) {
    if (std::isinf(value)) return "1#INF";
    const int cls = _fpclass(value);
    if (cls == _FPCLASS_SNAN) return "1#SNAN";
    return std::signbit(value) ? "1#IND" : "1#QNAN";
}

}  // namespace

extern "C" char *_ecvt(double value, int ndigits, int *decpt, int *sign) {
    const int count = ndigits < 0 ? 0 : (ndigits > kMaxDigits ? kMaxDigits : ndigits);
    *sign = std::signbit(value) ? 1 : 0;
    if (!std::isfinite(value)) {
        const char *text = special_text(value);
        const int length = static_cast<int>(std::strlen(text));
        for (int i = 0; i < count; ++i) result[i] = i < length ? text[i] : '0';
        *decpt = 1;
    } else if (value == 0.0) {
        std::memset(result, '0', count);
        *decpt = 0;
    } else {
        *decpt = rounded_digits(std::fabs(value), count, result) + 1;
    }
    result[count] = '\0';
    return result;
}
