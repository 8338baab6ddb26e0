// Which fraction digits the text depends on is worked out at the top of
// render.cpp: with L the digits the walk reads (the fraction placeholders
// and the one it rounds on), the first L + 4 fraction digits and whether
// any later digit is not 0.  Those are split off here and put through the
// renderer's steps and the walk's in the same order.
#include "format/number/plain_walk.hpp"

#include "format/number/decimal_digits.hpp"
#include "format/number/fixed_split.hpp"
#include "format/number/format_code.hpp"
#include "format/number/noise_runs.hpp"
#include "format/number/plain_shape.hpp"

#include <cstring>

namespace qrv::numformat {
namespace {

constexpr uint32_t kRunLookahead = 4;
constexpr uint32_t kShownMax = kSplitPlacesMax - 1 - kRunLookahead;
constexpr uint32_t kGroupSize = 3;

bool is_digit(uint32_t c) { return c - u'0' <= 9u; }

bool has_digit(const char *text, uint32_t maxBytes) {
    for (uint32_t i = 0; i < maxBytes && text[i] != 0; ++i)
        if (is_digit(static_cast<unsigned char>(text[i]))) return true;
    return false;
}

uint32_t whole_digit_count(uint64_t whole) { return whole == 0 ? 1 : digit_count(whole); }

// Raises digits[0..end) by one in its last place; true when the carry runs
// out of digits[0] into the whole part.
bool carry(char *digits, uint32_t end) {
    for (uint32_t k = end; k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return false;
        }
        digits[k] = '0';
    }
    return true;
}

// The number as the code walk reads it: the whole part and the fraction
// digits of the rendering.
struct PlainNumber {
    uint64_t whole;
    char fraction[kSplitPlacesMax + 1 + kDigitPieceSize];
    uint32_t fractionCount;
};

// The renderer's fixed form: trailing zeros dropped, the places shown kept
// when the fraction is no longer, then the noise filter.
void render(const FixedSplit &split, uint32_t places, uint32_t shown, PlainNumber &n) {
    n.whole = split.whole;
    last_digits(split.fraction, places, n.fraction);
    uint32_t count = places;
    if (split.later) {
        n.fraction[count++] = '1';
    } else {
        while (count > 0 && n.fraction[count - 1] == '0') --count;
    }
    if (shown > 0 && count <= shown) count = shown;  // the digits there are zeros
    n.fractionCount = count;
    if (count < kShortestFiltered) return;
    const uint32_t run = first_noise_run(n.fraction, 1, count);
    if (run == count) return;
    n.fractionCount = run;
    if (n.fraction[run] == '9' && carry(n.fraction, run)) ++n.whole;
}

// The walk rounds on the first fraction digit it does not show.
void round_shown(PlainNumber &n, uint32_t shown) {
    if (n.fractionCount > shown && n.fraction[shown] >= '5' && carry(n.fraction, shown)) ++n.whole;
}

// The fifth fraction digit of a split of shown + 5 digits (shown <= 3).
uint32_t fifth_digit(uint32_t digits, uint32_t shown) {
    switch (shown) {
    case 0: return digits % 10;
    case 1: return digits / 10 % 10;
    case 2: return digits / 100 % 10;
    default: return digits / 1000 % 10;
    }
}

// Rendering and rounding at once, for most values: a fraction that goes on
// past the digits split off, up to three places shown.  Every run the noise
// filter could act on then starts from 1 to shown + 1 and so covers the
// fifth fraction digit: one that is neither 0 nor 9 leaves the fraction
// as it is, and the walk's rounding is a sum.  False where that does not
// hold.
bool render_and_round(const FixedSplit &split, uint32_t shown, PlainNumber &n) {
    constexpr uint32_t kMostShown = 3;
    constexpr uint32_t kTensToShown[kMostShown + 1] = {1, 10, 100, 1000};
    if (!split.later || shown > kMostShown) return false;
    const auto digits = static_cast<uint32_t>(split.fraction);  // shown + 5 digits: below 10^8
    const uint32_t fifth = fifth_digit(digits, shown);
    if (fifth == 0 || fifth == 9) return false;
    const uint32_t read = digits / 10000;  // those shown and the one rounded on
    uint32_t rounded = read / 10 + (read % 10 >= 5 ? 1 : 0);
    n.whole = split.whole;
    if (rounded == kTensToShown[shown]) {
        rounded = 0;
        ++n.whole;
    }
    for (uint32_t k = shown; k-- > 0; rounded /= 10) n.fraction[k] = static_cast<char>('0' + rounded % 10);
    n.fractionCount = shown;
    return true;
}

// Wide digits by the pair, and by the three behind a place for the
// separator that goes before them, so that the integer part is written a
// group at a time from its right end.
struct WideDigits {
    QRVWCHAR pairs[100][2];
    QRVWCHAR triples[1000][4];
};

constexpr WideDigits kWideDigits = [] {
    WideDigits d{};
    for (int i = 0; i < 1000; ++i) {
        d.triples[i][1] = static_cast<QRVWCHAR>(u'0' + i / 100);
        d.triples[i][2] = static_cast<QRVWCHAR>(u'0' + i / 10 % 10);
        d.triples[i][3] = static_cast<QRVWCHAR>(u'0' + i % 10);
        if (i < 100) {
            d.pairs[i][0] = d.triples[i][2];
            d.pairs[i][1] = d.triples[i][3];
        }
    }
    return d;
}();

// The count digits of n (leading zeros included) ending at end; returns
// where they begin.
QRVWCHAR *put_digits_before(uint64_t n, uint32_t count, QRVWCHAR *end) {
    for (; count >= 2; count -= 2, n /= 100) {
        end -= 2;
        std::memcpy(end, kWideDigits.pairs[n % 100], sizeof kWideDigits.pairs[0]);
    }
    if (count == 1) *--end = static_cast<QRVWCHAR>(u'0' + n % 10);
    return end;
}

// The same, a separator before every third digit from the right but the
// leftmost.
void put_grouped_before(uint64_t n, uint32_t count, QRVWCHAR separator, QRVWCHAR *end) {
    for (; count > kGroupSize; count -= kGroupSize, n /= 1000) {
        QRVWCHAR group[4];
        std::memcpy(group, kWideDigits.triples[n % 1000], sizeof group);
        group[0] = separator;
        end -= 4;
        std::memcpy(end, group, sizeof group);
    }
    put_digits_before(n, count, end);
}

class PlainWriter {
public:
    PlainWriter(const FormatView &format, const PlainShape &shape, const FUIntlSettings &intl, QRVWCHAR *to)
        : format_(format), shape_(shape), intl_(intl), to_(to) {}

    QRVWCHAR *end() const { return to_; }
    void put(QRVWCHAR c) { *to_++ = c; }

    // Literal characters, percent and currency signs of codes [begin, end).
    void text(uint32_t begin, uint32_t end) {
        for (uint32_t c = begin; c < end; ++c) {
            const FUFormatCode code = format_.codes[c];
            if (!is_token(code)) {
                put(static_cast<QRVWCHAR>(code));
            } else if (token_of(code) == FU_TOKEN_PERCENT) {
                put(u'%');
            } else if (token_of(code) == FU_TOKEN_CURRENCY) {
                const char *symbol = intl_.CurrencySymbol;
                for (uint32_t i = 0; i < sizeof intl_.CurrencySymbol && symbol[i] != 0; ++i)
                    put(static_cast<unsigned char>(symbol[i]));
            }
        }
    }

    // The whole part as count digits (its zero pads in front), grouped when
    // the format groups, in length characters.
    void integer(uint64_t whole, uint32_t count, uint32_t length) {
        to_ += length;
        if (shape_.grouping) put_grouped_before(whole, count, static_cast<unsigned char>(intl_.ThousandsSeparator), to_);
        else put_digits_before(whole, count, to_);
    }

    // The fraction placeholders: digits while they last, then each one's pad.
    void fraction(const PlainNumber &n) {
        if (n.fractionCount >= shape_.fractionPlaces) {
            for (uint32_t k = 0; k < shape_.fractionPlaces; ++k) put(static_cast<unsigned char>(n.fraction[k]));
            return;
        }
        uint32_t shown = 0;
        for (uint32_t c = shape_.integerEnd + 1; c < shape_.fractionEnd; ++c) {
            const FUFormatCode code = format_.codes[c];
            if (!is_digit_placeholder(token_of(code))) continue;  // a grouping token
            if (shown < n.fractionCount) put(static_cast<unsigned char>(n.fraction[shown]));
            else if (token_of(code) == FU_TOKEN_DIGIT_ZERO) put(u'0');
            else if (token_of(code) == FU_TOKEN_DIGIT_BLANK) put(u' ');
            ++shown;
        }
    }

private:
    const FormatView &format_;
    const PlainShape &shape_;
    const FUIntlSettings &intl_;
    QRVWCHAR *to_;
};

// The pads the general walk writes before the digits: the leading integer
// placeholders beyond the whole part's digits, "0" for each zero one.
uint32_t zero_pads(const FormatView &format, const PlainShape &shape, uint32_t wholeDigits) {
    if (shape.integerPlaces <= wholeDigits) return 0;
    uint32_t padding = shape.integerPlaces - wholeDigits, zeros = 0;
    for (uint32_t c = shape.integerBegin; padding > 0; ++c) {
        const uint32_t token = token_of(format.codes[c]);
        if (!is_digit_placeholder(token)) continue;  // a grouping token
        zeros += token == FU_TOKEN_DIGIT_ZERO ? 1 : 0;
        --padding;
    }
    return zeros;
}

bool takes_conventions(const PlainShape &shape, const FUIntlSettings &intl) {
    return !is_digit(static_cast<unsigned char>(intl.DecimalSeparator)) &&
           !is_digit(static_cast<unsigned char>(intl.ThousandsSeparator)) &&
           !(shape.currencyInPrefix && has_digit(intl.CurrencySymbol, sizeof intl.CurrencySymbol));
}

}  // namespace

bool walk_plain(const FormatView &format, double value, const FUIntlSettings &intl, OutputText &out) {
    const uint32_t flags = format.FormatFlags;
    if ((flags & (FU_FORMAT_GENERAL | FU_FORMAT_SCIENTIFIC | FU_FORMAT_DATE_TIME)) != 0) return false;
    PlainShape shape;
    if (!plain_shape_of(format, shape) || shape.fractionPlaces > kShownMax || !takes_conventions(shape, intl))
        return false;
    const uint32_t shown = shape.fractionPlaces;
    const uint32_t places = shown + 1 + kRunLookahead;
    FixedSplit split;
    if (!split_fixed(value, (flags & FU_FORMAT_PERCENT) != 0, places, split)) return false;
    PlainNumber n;
    uint64_t rendered = split.whole;  // the whole part before the walk rounds
    if (!render_and_round(split, shown, n)) {
        render(split, places, shown, n);
        rendered = n.whole;
        round_shown(n, shown);
    }
    // A carry out of the leftmost digit: the general walk puts a "1" in
    // front of whatever padding and grouping it wrote.
    if (n.whole != rendered && whole_digit_count(n.whole) != whole_digit_count(rendered)) return false;

    const uint32_t wholeDigits = whole_digit_count(n.whole);
    const uint32_t pads = zero_pads(format, shape, wholeDigits);
    const uint32_t integerLength = pads + wholeDigits;
    const uint32_t separators = shape.grouping ? (integerLength - 1) / kGroupSize : 0;
    const bool sign = value < 0 && (flags & FU_FORMAT_DIGITS) != 0;
    const uint32_t longest = (sign ? 1 : 0) + shape.textWidth + integerLength + separators + 1 + shown;
    if (longest > out.room()) return false;

    PlainWriter writer(format, shape, intl, out.end());
    if (sign) writer.put(u'-');
    writer.text(0, shape.integerBegin);
    writer.integer(n.whole, integerLength, integerLength + separators);
    if (shape.point) {
        writer.put(static_cast<unsigned char>(intl.DecimalSeparator));
        writer.fraction(n);
    }
    writer.text(shape.fractionEnd, format.codeCount);
    out.extend_to(writer.end());
    return true;
}

}  // namespace qrv::numformat
