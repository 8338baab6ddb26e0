#include "format/number/plain_general.hpp"

#include "format/number/plain_number.hpp"
#include "format/number/wide_digits.hpp"
#include "format/number/work_number.hpp"

namespace qrv::numformat {

bool write_plain_general(const FormatView &format, double value, QRVWCHAR decimalSeparator, OutputText &out) {
    // The fraction digits the general form reads (five places and the one
    // it rounds on), and those where a noise run may lie.
    constexpr uint32_t kPlaces = kGeneralPlaces + 1 + kRunLookahead;
    const uint32_t flags = format.FormatFlags;
    if ((flags & FU_FORMAT_GENERAL) == 0 || format.codeCount >= 2 || (flags & FU_FORMAT_SCIENTIFIC) != 0 ||
        format.fracDigits != 0)
        return false;
    FixedSplit split;
    if (!split_fixed(value, (flags & FU_FORMAT_PERCENT) != 0, kPlaces, split)) return false;
    if (split.whole == 0 && split.fraction == 0 && split.later) return false;
    PlainNumber n;
    render_plain(split, kPlaces, 0, n);
    uint32_t places = n.fractionCount;
    if (places >= kGeneralLongFraction) {
        round_after(n, kGeneralPlaces);
        places = kGeneralPlaces;
    }
    const bool sign = value < 0;
    const uint32_t wholeDigits = whole_digit_count(n.whole);
    if ((sign ? 1 : 0) + wholeDigits + (places > 0 ? 1 + places : 0) > out.room()) return false;
    QRVWCHAR *to = out.end();
    if (sign) *to++ = u'-';
    to += wholeDigits;
    put_digits_before(n.whole, wholeDigits, to);
    if (places > 0) *to++ = decimalSeparator;
    for (uint32_t k = 0; k < places; ++k) *to++ = static_cast<unsigned char>(n.fraction[k]);
    out.extend_to(to);
    return true;
}

}  // namespace qrv::numformat
