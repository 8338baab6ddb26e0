// _ecvt: the first ndigits significant decimal digits of a double, rounded
// half up on its exact binary value, as the Windows runtime does.  The exact
// digits come from the C library's printf, which prints the exact expansion
// for any precision; only a rounding digit of 5 needs the long look.
// Magnitudes below 2^64 with at most 64 fraction bits (amounts, counts,
// most spreadsheet values) take a faster exact path in integer arithmetic.
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

// Rounds count exact digits half up by the digit that follows them, which
// is also exact; returns the exponent of the first digit after rounding.
int round_exact(const char *exact, int count, int exponent, char *out) {
    std::memcpy(out, exact, count);
    if (exact[count] >= '5' && round_up(out, count)) {
        if (count > 0) out[0] = '1';
        ++exponent;
    }
    return exponent;
}

#if defined(__SIZEOF_INT128__)
using Wide = unsigned __int128;

// The next decimal digit of a binary fraction of `shift` bits.
inline char next_fraction_digit(Wide &fraction, int shift) {
    fraction *= 10;
    const char digit = static_cast<char>('0' + static_cast<int>(fraction >> shift));
    fraction &= (Wide{1} << shift) - 1;
    return digit;
}

// The next nineteen decimal digits of a binary fraction of `shift` bits in
// one multiplication, of which at most room are kept.
int next_fraction_digits(Wide &fraction, int shift, char *out, int room) {
    constexpr uint64_t kTenTo19 = 10000000000000000000ull;
    fraction *= kTenTo19;
    uint64_t chunk = static_cast<uint64_t>(fraction >> shift);
    fraction &= (Wide{1} << shift) - 1;
    char digits[19];
    for (int k = 18; k >= 0; --k, chunk /= 10) digits[k] = static_cast<char>('0' + chunk % 10);
    const int kept = room < 19 ? room : 19;
    std::memcpy(out, digits, kept);
    return kept;
}

// Exact digits, by integer arithmetic, of a normal magnitude below 2^64
// with at most 64 fraction bits: the integer part in 64 bits, the fraction
// in 128.  Fills count + 1 digits into exact (zeros after the expansion
// ends) and gives the exponent of the first; false for other magnitudes.
bool exact_small_digits(double magnitude, int count, char *exact, int &exponent) {
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    const int e = biased - 1075;
    if (biased == 0 || e > 11 || e < -64) return false;
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int shift = e < 0 ? -e : 0;
    uint64_t integer = e >= 0 ? mantissa << e : (shift == 64 ? 0 : mantissa >> shift);
    Wide fraction = e >= 0 ? 0 : Wide{mantissa} & ((Wide{1} << shift) - 1);
    const int wanted = count + 1;
    int n = 0;
    if (integer != 0) {
        char reversed[20];
        int k = 0;
        for (; integer != 0; integer /= 10) reversed[k++] = static_cast<char>('0' + integer % 10);
        exponent = k - 1;
        while (k > 0 && n < wanted) exact[n++] = reversed[--k];
    } else {
        exponent = 0;
        char digit;
        do {
            digit = next_fraction_digit(fraction, shift);
            --exponent;
        } while (digit == '0');
        exact[n++] = digit;
    }
    while (n < wanted && fraction != 0) n += next_fraction_digits(fraction, shift, exact + n, wanted - n);
    std::memset(exact + n, '0', wanted - n);
    return true;
}
#else
bool exact_small_digits(double, int, char *, int &) { return false; }
#endif

// count digits of a finite non-zero magnitude; returns the exponent of the
// first digit.
int rounded_digits(double magnitude, int count, char *out) {
    char exact[kMaxDigits + 2];
    int exponent;
    if (exact_small_digits(magnitude, count, exact, exponent)) return round_exact(exact, count, exponent, out);
    char probe[kExactPrecision + 16];
    exponent = scientific_digits(magnitude, count + 1, probe);
    if (probe[count] == '5') {
        // probe was itself rounded: look at the exact digits to decide.
        exponent = scientific_digits(magnitude, kExactPrecision, probe);
    }
    return round_exact(probe, count, exponent, out);
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
