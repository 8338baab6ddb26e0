// Rendering the number's digits: the fixed or the scientific form of its
// significant digits.  The full path takes the runtime's 255-digit
// expansion; the short path writes only the digits the text can depend on.
//
// Which digits that is.  Let f be the fraction of the rendering before the
// noise filter (the digits after the point; in the scientific form, after
// the mantissa's integer digits) and g the fraction after it.
//
// 1. Readers.  The code walk reads at most fracDigits + 1 digits of g: one
//    per fraction placeholder and the one it rounds on (with no fraction
//    placeholder, the one digit that the last integer placeholder or the
//    exponent token rounds on), and of g's length only whether digits
//    remain.  The general form reads g[0..6) (five places and the digit it
//    rounds on) and whether g has fewer than 6 digits; the walk then reads
//    the general text alone.  Only the whole-number token of a format that
//    is not general writes all of g: such formats take the full path.  So,
//    with L = 6 for general formats and fracDigits + 1 for the others, the
//    text depends on the integer digits, the exponent, g[0..L) and
//    min(|g|, L).
// 2. The noise filter cuts f at its first run of four "0" or "9" that
//    starts at an index i >= 1.  A run at i > L leaves g[0..L) = f[0..L)
//    and |g| > L: a run of "9" raises only f[i - 1], which is no "9" for
//    i >= 2 (or the run would start at i - 1).  A run at i <= L lies in
//    f[0..L + 4).  So the text depends on f[0..K), K = L + 4, and on
//    whether |f| > K (K >= 5 also settles the filter's "more than five
//    digits").
// 3. The short path writes the significant digits that make up
//    f[0..K) exactly (point + K of them in the fixed form, point being the
//    digits before the point after the percent shift; 1 + extra + K in the
//    scientific form), then one digit: "1" when a later digit of the
//    expansion is not 0, else "0".  The rendering thus sees f[0..K) as they
//    are and |f| > K exactly when that holds; the "1" neither starts nor
//    ends a run at or before L.  Where ExactDecimal applies, the 255-digit
//    expansion has lost nothing to rounding, so these are its digits.
#include "format/number/exact_decimal.hpp"
#include "format/number/format_code.hpp"
#include "format/number/work_number.hpp"

#include <qrvplatform/platform.h>

#include <algorithm>
#include <cstring>

namespace qrv::numformat {
namespace {

// The fixed form is built to at most 256 characters and read to 255.
constexpr uint32_t kFixedBuilt = 256;
constexpr uint32_t kFixedKept = 255;
// Fraction digits the general form reads: five places and one to round on.
constexpr uint32_t kGeneralReads = kGeneralPlaces + 1;
// Digits past the last one read in which a run of the noise filter can lie.
constexpr uint32_t kRunLookahead = 4;
// The short path writes at most this many digits, so that its renderings
// stay far below the 255-character bound of the work string.
constexpr uint32_t kShortDigitsMax = 96;
static_assert(kShortDigitsMax + ExactDecimal::kWriteSlack >= ExactDecimal::kWriteRoom);

// Significant digits: count of them, and "0" after those.
struct DigitString {
    const char *digits;
    uint32_t count;
};

struct Builder {
    WorkNumber &work;
    uint32_t limit;
    void put(QRVWCHAR c) {
        if (work.length < limit) work.text[work.length++] = c;
    }
};

QRVWCHAR digit_at(const DigitString &s, uint32_t i) {
    return i < s.count ? static_cast<QRVWCHAR>(static_cast<unsigned char>(s.digits[i])) : u'0';
}

// One past the last digit that is not "0": fraction digits past this point
// would only be dropped again.
uint32_t significant_end(const DigitString &s) {
    uint32_t end = s.count;
    constexpr uint64_t kEightZeros = 0x3030303030303030ull;
    while (end >= 8) {
        uint64_t word;
        std::memcpy(&word, s.digits + end - 8, sizeof word);
        if (word != kEightZeros) break;
        end -= 8;
    }
    while (end > 0 && s.digits[end - 1] == '0') --end;
    return end;
}

void drop_trailing_zeros(WorkNumber &work, uint32_t keepDigits) {
    const uint32_t first = work.frac_start();
    while (work.length > first + keepDigits && work.text[work.length - 1] == u'0') --work.length;
}

// Appends digits [from, to) of s as wide characters; the caller made sure
// they fit.
void put_digits(WorkNumber &work, const DigitString &s, uint32_t from, uint32_t to) {
    const uint32_t stored = std::min(to, std::max(from, s.count));
    QRVWCHAR *text = work.text + work.length;
    for (uint32_t i = from; i < stored; ++i) *text++ = static_cast<unsigned char>(s.digits[i]);
    for (uint32_t i = stored; i < to; ++i) *text++ = u'0';
    work.length += to - from;
}

void build_fixed(WorkNumber &work, const DigitString &s, int d, uint32_t fracPlaces) {
    const uint32_t end = significant_end(s);
    uint32_t next = 0;
    if (d <= 0) {
        work.text[0] = u'0';
        work.text[1] = u'.';
        work.intCount = 1;
        work.point = 1;
        const uint32_t zeros = std::min(static_cast<uint32_t>(-d), kFixedBuilt - 2);
        std::fill(work.text + 2, work.text + 2 + zeros, u'0');
        work.length = 2 + zeros;
    } else {
        work.intCount = std::min<uint32_t>(static_cast<uint32_t>(d), kFixedKept);
        put_digits(work, s, 0, work.intCount);
        next = work.intCount;
        if (work.length < kFixedKept) {
            work.point = static_cast<int32_t>(work.length);
            work.text[work.length++] = u'.';
        }
    }
    if (next < end) put_digits(work, s, next, std::min(end, next + (kFixedBuilt - work.length)));
    work.length = std::min(work.length, kFixedKept);
    if (work.point < 0) return;
    drop_trailing_zeros(work, 0);
    const uint32_t significant = work.length - work.frac_start();
    if (fracPlaces > 0 && significant <= fracPlaces) {
        // Keep exactly the places the format shows (they are zeros).
        const uint32_t wanted = std::min(work.frac_start() + fracPlaces, kFixedKept);
        while (work.length < wanted) work.text[work.length++] = u'0';
    }
    work.fracCount = work.length - work.frac_start();
    if (work.fracCount == 0) {
        work.length = static_cast<uint32_t>(work.point);
        work.point = -1;
    }
}

// Digits of the mantissa's integer part beyond the first, so that the
// exponent becomes a multiple of intPlaces.
uint32_t extra_integer_digits(int32_t exponent, uint32_t intPlaces) {
    if (intPlaces <= 1) return 0;
    const int places = static_cast<int>(intPlaces);
    return static_cast<uint32_t>(((exponent % places) + places) % places);
}

void build_scientific(WorkNumber &work, const DigitString &s, int32_t exponent, uint32_t intPlaces) {
    work.scientific = true;
    const uint32_t extra = extra_integer_digits(exponent, intPlaces);
    work.exponent = exponent - static_cast<int32_t>(extra);
    Builder b{work, kFixedBuilt};
    for (uint32_t i = 0; i <= extra; ++i) b.put(digit_at(s, i));
    work.intCount = work.length;
    work.point = static_cast<int32_t>(work.length);
    b.put(u'.');
    const uint32_t end = significant_end(s);
    for (uint32_t i = extra + 1; i < end; ++i) b.put(digit_at(s, i));
    if (work.length == work.frac_start()) b.put(u'0');
    drop_trailing_zeros(work, 1);
    work.fracCount = work.length - work.frac_start();
}

void put_exponent(WorkNumber &work, bool shortExponent) {
    work.mark = static_cast<int32_t>(work.length);
    work.text[work.length++] = u'E';
    work.text[work.length++] = work.exponent < 0 ? u'-' : u'+';
    uint32_t magnitude = static_cast<uint32_t>(work.exponent < 0 ? -work.exponent : work.exponent);
    QRVWCHAR digits[10];
    uint32_t count = 0;
    do {
        digits[count++] = static_cast<QRVWCHAR>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (count == 1 && !shortExponent) digits[count++] = u'0';
    work.expCount = count;
    while (count > 0) work.text[work.length++] = digits[--count];
}

// The form the digits take, decided by the format and the decimal point.
struct Layout {
    int point;  // digits before the decimal point, after the percent shift
    bool fixed;
    int32_t exponent;  // scientific form: of the first digit
};

Layout layout_of(const FormatView &format, int point, bool zero) {
    const uint32_t flags = format.FormatFlags;
    if ((flags & FU_FORMAT_PERCENT) != 0 && !zero) point += 2;
    const bool fixed =
        (flags & FU_FORMAT_SCIENTIFIC) == 0 && ((point > -20 && point < 20) || (flags & FU_FORMAT_GENERAL) == 0);
    return {point, fixed, zero ? 0 : point - 1};
}

void build(WorkNumber &work, const DigitString &s, const Layout &layout, const FormatView &format,
           uint32_t exponentOptions) {
    if (layout.fixed)
        build_fixed(work, s, layout.point, format.fracDigits);
    else
        build_scientific(work, s, layout.exponent, format.intDigits);
    filter_noise(work);
    if (work.exponent != 0 || (format.FormatFlags & FU_FORMAT_SCIENTIFIC) != 0)
        put_exponent(work, (exponentOptions & 0x2) != 0 && format.expDigits < 2);
}

bool writes_whole_rendering(const FormatView &format) {
    if ((format.FormatFlags & FU_FORMAT_GENERAL) != 0) return false;
    return std::find(format.codes, format.codes + format.codeCount, token_code(FU_TOKEN_TEXT)) !=
           format.codes + format.codeCount;
}

// The significant digits the short path writes: those up to fraction
// digit K (see the top of this file).
int64_t short_digit_count(const FormatView &format, const Layout &layout) {
    const uint32_t reads = (format.FormatFlags & FU_FORMAT_GENERAL) != 0 ? kGeneralReads : format.fracDigits + 1;
    const int64_t known = int64_t{reads} + kRunLookahead;
    if (layout.fixed) return std::max<int64_t>(0, layout.point + known);
    return 1 + extra_integer_digits(layout.exponent, format.intDigits) + known;
}

bool render_short(double value, const FormatView &format, uint32_t exponentOptions, WorkNumber &work) {
    ExactDecimal exact;
    if (!exact.set(value) || writes_whole_rendering(format)) return false;
    const Layout layout = layout_of(format, exact.point(), value == 0);
    const int64_t count = short_digit_count(format, layout);
    if (count > kShortDigitsMax) return false;
    char digits[kShortDigitsMax + ExactDecimal::kWriteSlack];
    exact.write(digits, static_cast<uint32_t>(count));
    build(work, DigitString{digits, static_cast<uint32_t>(count) + 1}, layout, format, exponentOptions);
    return true;
}

void render_full(double value, const FormatView &format, uint32_t exponentOptions, WorkNumber &work) {
    int point = 0, sign = 0;
    const char *digits = _ecvt(value, static_cast<int>(kSignificantDigits), &point, &sign);
    build(work, DigitString{digits, kSignificantDigits}, layout_of(format, point, value == 0), format, exponentOptions);
}

}  // namespace

void render_number(double value, const FormatView &format, uint32_t exponentOptions, DigitPath path, WorkNumber &work) {
    work.reset();
    if (path == DigitPath::kShort && render_short(value, format, exponentOptions, work)) return;
    render_full(value, format, exponentOptions, work);
}

}  // namespace qrv::numformat
