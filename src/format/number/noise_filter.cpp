// The long decimal tails of binary doubles (0.1 is 0.1000000000000000055...)
// end at their first run of four zeros or nines.
#include "format/number/work_number.hpp"

#include <cstring>

namespace qrv::numformat {
namespace {

constexpr uint32_t kShortestFiltered = 6;
constexpr uint32_t kRunLength = 4;

bool is_digit(QRVWCHAR c) { return c >= u'0' && c <= u'9'; }

// A carry out of the leftmost integer digit.
void carry_out(WorkNumber &work) {
    if (work.scientific) {
        // The mantissa becomes 1 and the exponent rises.
        const uint32_t drop = work.intCount - 1;
        work.text[work.intStart] = u'1';
        std::memmove(&work.text[work.intStart + 1], &work.text[work.intStart + 1 + drop],
                     (work.length - work.intStart - 1 - drop) * sizeof(QRVWCHAR));
        work.length -= drop;
        work.point -= static_cast<int32_t>(drop);
        work.intCount = 1;
        ++work.exponent;
        return;
    }
    std::memmove(&work.text[work.intStart + 1], &work.text[work.intStart],
                 (work.length - work.intStart) * sizeof(QRVWCHAR));
    work.text[work.intStart] = u'1';
    ++work.length;
    ++work.intCount;
    ++work.point;
}

}  // namespace

bool carry_into(QRVWCHAR *text, int32_t index, int32_t first) {
    for (int32_t i = index; i >= first; --i) {
        if (text[i] == u'.') continue;
        if (!is_digit(text[i])) return false;
        if (text[i] != u'9') {
            ++text[i];
            return false;
        }
        text[i] = u'0';
    }
    return true;
}

void filter_noise(WorkNumber &work) {
    if (work.point < 0 || work.fracCount < kShortestFiltered) return;
    const uint32_t start = work.frac_start();
    const QRVWCHAR *frac = &work.text[start];
    uint32_t i = 1;
    while (i < work.fracCount) {
        const QRVWCHAR c = frac[i];
        uint32_t end = i + 1;
        if (c == u'0' || c == u'9')
            while (end < work.fracCount && frac[end] == c) ++end;
        if ((c == u'0' || c == u'9') && end - i >= kRunLength) {
            work.fracCount = i;
            work.length = start + i;
            if (c == u'9' && carry_into(work.text, static_cast<int32_t>(start + i - 1), static_cast<int32_t>(work.intStart)))
                carry_out(work);
            return;
        }
        i = end;
    }
}

}  // namespace qrv::numformat
