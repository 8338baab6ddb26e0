#include "format/number/plain_walk.hpp"

#include "format/number/decimal_digit.hpp"
#include "format/number/format_code.hpp"
#include "format/number/plain_number.hpp"
#include "format/number/plain_shape.hpp"
#include "format/number/wide_digits.hpp"

namespace qrv::numformat {
namespace {

constexpr uint32_t kShownMax = kSplitPlacesMax - 1 - kRunLookahead;

bool has_digit(const char *text, uint32_t maxBytes) {
    for (uint32_t i = 0; i < maxBytes && text[i] != 0; ++i)
        if (is_decimal_digit(static_cast<unsigned char>(text[i]))) return true;
    return false;
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
        if (shape_.grouping)
            put_grouped_before(whole, count, static_cast<unsigned char>(intl_.ThousandsSeparator), to_);
        else
            put_digits_before(whole, count, to_);
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
            if (shown < n.fractionCount)
                put(static_cast<unsigned char>(n.fraction[shown]));
            else if (token_of(code) == FU_TOKEN_DIGIT_ZERO)
                put(u'0');
            else if (token_of(code) == FU_TOKEN_DIGIT_BLANK)
                put(u' ');
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
    return !is_decimal_digit(static_cast<unsigned char>(intl.DecimalSeparator)) &&
           !is_decimal_digit(static_cast<unsigned char>(intl.ThousandsSeparator)) &&
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
        render_plain(split, places, shown, n);
        rendered = n.whole;
        round_after(n, shown);
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
